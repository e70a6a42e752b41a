<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>Эта программа распространяется как FREEWARE, то есть:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>Условия FREEWARE</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Шотландия</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>Открыть домашнюю страницу</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ArmingController</name>
    <message>
        <source>A request is already on its way to the system.</source>
        <translation>Запрос уже отправлен системе.</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 Ожидание начинается заново.</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>система ещё не ответила: действие ещё может быть выполнено</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>запрос отправлен</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1, затем ещё %2</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>Здесь нельзя запускать команды.</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>Команда не задана: введите её в меню «Файл» &gt; «Команда».</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>Команда превысила отведённое время: действие будет выполнено.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>Команда превысила отведённое время: действие отменено.</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>Действие всё равно будет выполнено.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>Действие отменено.</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>Система ещё не ответила на запрос расписания.<byte value="xd"/>
Действие ещё может произойти: сохраните свою работу.</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>слишком поздно: запрос уже отправлен системе</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Остановлено: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>Остановлено: «%1» по расписанию (%2)</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>Расписания остаются включёнными; следующее срабатывание: %1.</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>Ничего не было запланировано.</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>расписания здесь недоступны</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>здесь доступно только ожидание по времени</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>время не принято</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>Это расписание тем временем было удалено.</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Не удалось сохранить расписания в %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta выполняет расписания, пока она запущена.</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>Пока включено расписание, Orvanta запускается вместе с вашим сеансом, скрытой в области уведомлений.</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>Пока включено расписание, Orvanta запускается вместе с вашим сеансом.</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>Компьютер не будет выведен из спящего режима к заданному времени:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>Эта система не может разбудить компьютер в заданное время.</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>Ожидается запланированное действие</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>До тех пор компьютер не будет переходить в спящий режим.</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 минут</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>нет запланированного действия, которое можно отложить</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Командная строка:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet или sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>Запускается от вашего имени, без оболочки, если строка сама её не вызывает. «Запуск команды» в рамке «Действие» запускает её вместо действия.</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>Запускать перед действием: действие последует, когда команда завершится</translation>
    </message>
    <message>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Ограничение времени:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>Завершить её и отменить действие</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>Завершить её и выполнить действие</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>По истечении времени:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>Выполнить действие, даже если команда завершится с ошибкой</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>Вывод и ошибки команды записываются в %1</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>Введите команду, которую нужно запустить перед действием.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>Завершить сеанс пользователя.</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>Выключить компьютер.</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>Перезагрузить компьютер.</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>Перевести компьютер в спящий режим (Orvanta продолжит работу).</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>Перевести компьютер в режим гибернации (Orvanta продолжит работу).</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>Заблокировать экран.</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>Отключить экран.</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>Добавить повторяющееся расписание с действием (и --force): дни и время, например &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>Показать пронумерованный список расписаний.</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>Включить расписание N.</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>Отключить расписание N.</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>Удалить расписание N.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>Запуститься скрытой в области уведомлений, как при запуске вместе с сеансом, пока включено расписание.</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>Вывести, какие действия этот компьютер может выполнить сейчас, а какие нет и почему.</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>Не позволять другим программам задерживать действие.</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>Обратный отсчёт H:MM:SS или число минут.</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>Ждать наступления времени HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>Выполнить действие, когда завершится программа с этим PID или все программы с этим именем (можно указать несколько раз).</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>Выполнить действие, когда нагрузка на процессор, диск и сеть остаётся низкой указанное число минут.</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>С --when-quiet: загрузка самого загруженного процессора ниже этого значения (по умолчанию 25).</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>С --when-quiet: чтение и запись самого загруженного диска ниже этого значения (по умолчанию 1000).</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>С --when-quiet: сетевой трафик ниже этого значения (по умолчанию 10).</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>Выполнить действие, когда клавиатурой и мышью не пользуются указанное число минут.</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>Отменить ожидание в запущенной Orvanta, если она запущена.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>Вывести на передний план окно запущенной Orvanta или запустить её.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>Завершает сеанс пользователя, выключает или перезагружает компьютер, переводит его в спящий режим, блокирует или отключает экран — после обратного отсчёта, в заданное время или по окончании работы.</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits требует PID или имя программы</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2: не число минут в пределах недели</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1: не процент от 1 до 100</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1: не число КБ/с от 1 до 1000000</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1: не число КБ/с от 1 до 1000000</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>на --help и --version отвечает сама вызванная программа</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>неожиданный аргумент: %1</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>выберите одно действие: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock или --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check указывается отдельно</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart указывается отдельно</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>укажите только один из параметров --schedule, --schedules, --schedule-on, --schedule-off и --schedule-remove</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2: не номер расписания</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule требует действие: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock или --display-off</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>укажите только один из параметров --in, --at, --when-exits, --when-quiet и --when-idle</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu, --disk и --net используются с --when-quiet</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in, --at, --when-… и --force требуют действие: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock или --display-off</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>укажите время: --in H:MM:SS или --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel нельзя сочетать с действием</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1: не время отсчёта от 0:00:01 до 99:59:59</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1: не время суток от 0:00:01 до 23:59:59</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>дни время</translation>
    </message>
    <message>
        <source>time</source>
        <translation>время</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>pid|имя</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минуты</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>проценты</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>С --at или --schedule: вывести компьютер из спящего режима (но не из гибернации и не выключенный) незадолго до указанного времени.</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>параметры расписаний указываются отдельно (--schedule — с действием, --force и --wake)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake используется с --at или --schedule</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>Выполнить эту командную строку вместо действия с питанием (Orvanta продолжит работу); оболочка — только если строка её вызывает (sh -c &quot;…&quot;).</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>Отложить то, что запланировано в запущенной Orvanta: H:MM или число минут (время суток или срабатывание расписания наступит на столько же позже, ожидание выполнит действие на столько же позже после окончания работы).</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1: не H:MM от 0:01 до 99:59 и не число минут</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone указывается отдельно</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>расписание не запускает команды: --run используется с --in, --at или --when-…</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run требует командную строку</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Завершить сеанс</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Принудительно (без запросов программ)</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>Не ждать, пока программы завершат работу</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>По таймеру</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>В нужное время</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Свернуть в область уведомлений</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>Скрыть окно в области уведомлений</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>Запустить таймер</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>Остановить таймер</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>Запрос…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>Запрос отправлен системе</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Разбудить ПК</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Разбудить компьютер к этому времени</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Вывести компьютер из спящего режима примерно за две минуты до указанного времени, чтобы успели появиться предупреждение и выполниться действие. Компьютер в режиме гибернации или выключенный разбудить нельзя.</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>Отложить запланированное действие</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>диспетчер сеансов GNOME</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>управление питанием рабочего стола</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>портал рабочего стола</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>блокировка простоя в logind</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>Системная шина сообщений не отвечает</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>Somebody used the computer.</source>
        <translation>Компьютером воспользовались.</translation>
    </message>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>компьютер простаивает: %1 из %2</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>Эта среда рабочего стола не сообщает, как долго компьютер простаивает.</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>Ещё выясняется, как эта среда рабочего стола сообщает о времени простоя компьютера.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 не является обычным файлом</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>другая программа (процесс %1) записывает настройки; повторите попытку</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>не удаётся установить блокировку %1</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1; настройки не прочитаны</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 занимает %2 — гораздо больше, чем файл настроек этой программы</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>it ended before it took the command</source>
        <translation>она завершилась, не приняв команду</translation>
    </message>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>аргументы слишком длинные для передачи</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>Не удаётся прочитать загрузку системы из %1.</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>Не удаётся прочитать загрузку процессоров (состояние 0x%1).</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>Не удаётся прочитать загрузку сети: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind не ответил: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>Система ещё не ответила.<byte value="xd"/>
Запрошенное действие ещё может произойти: сохраните свою работу.</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Свернуть в область уведомлений</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>О программе Orvanta</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Другие программы Brannock</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Расписания…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>В Интернете</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>слишком поздно: запрос уже отправлен системе</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta завершает работу</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Загрузить настройки</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Не удалось сохранить настройки в %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>Не удалось загрузить настройки:<byte value="xd"/>
%1<byte value="xd"/>
Используются значения по умолчанию.</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>Не давать компьютеру засыпать до действия</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>Команда…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 минут</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30 минут</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1 час</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Другое…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>Отложить на (ч:мм):</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>Служба отслеживания простоя GNOME больше недоступна.</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>Служба отслеживания простоя GNOME не ответила: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>%1 has already ended.</source>
        <translation>Программа %1 уже завершилась.</translation>
    </message>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>Для ожидания завершения программы нужен Linux 5.3 или новее.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>Невозможно отслеживать %1: у Orvanta открыто слишком много файлов.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>Невозможно отслеживать %1: в системе открыто слишком много файлов.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>Невозможно отслеживать %1: система здесь этого не разрешает.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>Невозможно отслеживать %1: %2</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Log off user</source>
        <translation>Завершить сеанс</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Спящий режим</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Гибернация</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Заблокировать</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>Отключить экран</translation>
    </message>
    <message>
        <source>The user was not logged off.</source>
        <translation>Сеанс пользователя не был завершён.</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>Компьютер не был выключен.</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>Компьютер не был перезагружен.</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>Компьютер не перешёл в спящий режим.</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>Компьютер не перешёл в режим гибернации.</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>Экран не был заблокирован.</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>Экран не был отключён.</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>Система этого не разрешила (отказано в доступе).</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>Этому препятствует другая программа.</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>Система требует для этого пароль, но запросить его было не у кого.</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>Ни одна служба в этой системе не смогла это выполнить.</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>Система не ответила вовремя, поэтому сам запрос не был отправлен.</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>Система сообщает, что сейчас не может это сделать.</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>Не запущен диспетчер сеансов, который мог бы попросить другие программы сохранить работу. Отметьте «Принудительно», чтобы всё равно завершить сеанс.</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>Действие было запрошено, но ничто в этой системе не сообщило о его выполнении.</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>На тот же момент было назначено другое действие, и запрошено было оно.</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>Система отказала.</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>Сеанс пользователя будет завершён через %1</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>Компьютер будет выключен через %1</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>Компьютер будет перезагружен через %1</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>Компьютер перейдёт в спящий режим через %1</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>Компьютер перейдёт в режим гибернации через %1</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>Экран будет заблокирован через %1</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>Экран будет отключён через %1</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>завершение сеанса</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>выключение</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>перезагрузка</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>переход в спящий режим</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>переход в режим гибернации</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>блокировка экрана</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>отключение экрана</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>через %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>в %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n секунду</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>Запуск команды</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>Команда не была выполнена.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>Команда будет запущена через %1</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>запуск команды</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>Здесь нет диспетчера сеансов или системной службы, способных завершить сеанс</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>Здесь нет системной службы, способной выключить компьютер</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>Для выключения компьютера здесь требуется пароль</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>Этому пользователю не разрешено выключать компьютер</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>Этот компьютер нельзя выключить отсюда</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>Здесь нет системной службы, способной перезагрузить компьютер</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>Для перезагрузки здесь требуется пароль</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>Этому пользователю не разрешено перезагружать компьютер</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>Этот компьютер нельзя перезагрузить отсюда</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>Здесь нет системной службы, способной перевести компьютер в спящий режим</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>Для перехода в спящий режим здесь требуется пароль</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>Этому пользователю не разрешено переводить компьютер в спящий режим</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>Этот компьютер не поддерживает спящий режим</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>Здесь нет системной службы, способной перевести компьютер в режим гибернации</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>Для гибернации здесь требуется пароль</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>Этому пользователю не разрешено переводить компьютер в режим гибернации</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>Гибернация на этом компьютере отключена</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>Блокирует «%1» (PID %2)</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>Блокирует «%1» (PID %2): %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n программа</numerusform>
            <numerusform>и ещё %n программы</numerusform>
            <numerusform>и ещё %n программ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>Не выбрана программа, завершения которой нужно ждать.</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>программа %1 завершилась</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 ещё работает</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 и %n другая программа ещё работают</numerusform>
            <numerusform>%1 и %n другие программы ещё работают</numerusform>
            <numerusform>%1 и %n других программ ещё работают</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>The computer is busy again.</source>
        <translation>Компьютер снова загружен.</translation>
    </message>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>низкая нагрузка: %1 из %2</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>низкая нагрузка: %1 из %2 — ЦП %3&#xa0;%, диск %4&#xa0;КБ/с, сеть %5&#xa0;КБ/с</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>реестр не принял значения</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>Действие «%1» было назначено дважды на один момент: запрошено один раз.</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>Действие «%1» пропущено: на тот же момент было назначено «%2».</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>Запуск Orvanta вместе с Windows отключён в параметрах автозагрузки Windows: включите его в разделе «Параметры» &gt; «Приложения» &gt; «Автозагрузка» или на вкладке «Автозагрузка» диспетчера задач.</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>Нет запущенной программы с PID %1.</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>Программа «%1» не запущена.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Дни:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>По будням</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Действие:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Принудительно (без запросов программ)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Разбудить компьютер к этому времени</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Вывести компьютер из спящего режима примерно за две минуты до указанного времени, чтобы успели появиться предупреждение и выполниться действие. Компьютер в режиме гибернации или выключенный разбудить нельзя.</translation>
    </message>
</context>
<context>
    <name>ScheduleEdits</name>
    <message>
        <source>%1 %2 — %3</source>
        <translation>%1, %2 — %3</translation>
    </message>
    <message>
        <source>%1 (Force)</source>
        <translation>%1 (принудительно)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>вкл </translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>Расписаний нет.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>Расписания %1 нет.</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Удалено: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>Уже есть %n расписание.</numerusform>
            <numerusform>Уже есть %n расписания.</numerusform>
            <numerusform>Уже есть %n расписаний.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1, с пробуждением компьютера</translation>
    </message>
</context>
<context>
    <name>ScheduleHost</name>
    <message>
        <source>d MMM</source>
        <comment>day and short month, as QDate::toString spells them</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <translation>Далее: %1 %2</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Еженедельно: %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation>Далее: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Пропущено: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>«%1» — не повторяющееся время: укажите дни и время, например &quot;mon-fri 23:30&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>«%1» не задаёт дни: используйте mon, tue, wed, thu, fri, sat, sun, диапазоны вида mon-fri, списки вида sat,sun или daily</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>«%1» — не время суток: используйте часы от 0 до 23 и минуты от 00 до 59, например 23:30</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>Можно хранить не более %n расписания.</numerusform>
            <numerusform>Можно хранить не более %n расписаний.</numerusform>
            <numerusform>Можно хранить не более %n расписаний.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (вместо: %1 — на то же время)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (отложено: %1)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Расписания</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Добавить…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>В этом сеансе не отвечает ни одна программа блокировки экрана</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>Эта среда рабочего стола не позволяет отключить экран</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>не удаётся определить, чья программа отвечает: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>запущенная программа принадлежит не вам</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>Обратный отсчёт</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Время суток</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1, %2; исправляется при выходе из поля</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>счётчик</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>Стрелка вверх или «увеличить» прибавляет единицу к полю «%1, %2», стрелка вниз или «уменьшить» отнимает единицу</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Main</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Расписания…</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>О программе Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1: укажите полный путь к программе или имя программы из PATH.</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 — не программа, которую можно запустить.</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>Программа %1 не найдена в PATH.</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>Кавычка не закрыта.</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>Внутри кавычек обратная косая черта может стоять только перед &quot; ` $ или другой обратной косой чертой.</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>Аргумент в кавычках должен заканчиваться там же, где закрывается кавычка.</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>Символ %1 имеет смысл только для оболочки: заключите аргумент в двойные кавычки или запустите команду через sh -c.</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>Команда не указана.</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>выполняется %1 (%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>Программа %1 завершилась с кодом %2 через %3.</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>Программа %1 аварийно завершилась через %2.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>Не удалось запустить %1: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>Программа %1 была принудительно завершена через %2.</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>Вывод программы: %1</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation>По завершении программы</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>Действие будет выполнено, когда завершится последняя из выбранных программ:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>Введите имя для поиска программы</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>Поиск программы</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Запущенные программы</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>При низкой нагрузке</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>Действие будет выполнено, когда нагрузка останется низкой в течение этого времени. Даже один загруженный процессор или диск считается нагрузкой.</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>Низкая нагрузка в течение</translation>
    </message>
    <message>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>Загрузка каждого ЦП ниже</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>Даже один загруженный процессор считается нагрузкой, сколько бы их ни было.</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>Обмен каждого диска ниже</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> КБ/с</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>Прочитано и записано на самом загруженном диске.</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>Сетевой трафик ниже</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>Получено и отправлено по всем подключениям вместе.</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>При простое компьютера</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>Нет ввода с клавиатуры и мыши в течение</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>До завершения программы…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>До снижения нагрузки…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>До простоя компьютера…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>нет сеансовой шины сообщений</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>пользовательский диспетчер systemd не отвечает</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>systemd %1 не позволяет таймеру пользователя будить компьютер</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>система ещё не была опрошена</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>Эта система не может разбудить компьютер в заданное время: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1, а управление питанием KDE может не разбудить компьютер (у него нет права CAP_WAKE_ALARM)</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>схема электропитания разрешает только важные таймеры пробуждения («Электропитание» &gt; «Сон» &gt; «Разрешить таймеры пробуждения»)</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>схема электропитания не разрешает таймеры пробуждения («Электропитание» &gt; «Сон» &gt; «Разрешить таймеры пробуждения»)</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>не удалось создать таймер</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>Windows отклонила таймер пробуждения (ошибка %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>этот компьютер не поддерживает пробуждение по таймеру</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>Предупреждение перед действием</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Без предупреждения</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>За 1 минуту</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>За %n минуту</numerusform>
            <numerusform>За %n минуты</numerusform>
            <numerusform>За %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>Звук и свой текст…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>Воспроизводить звук уведомлений рабочего стола</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>например: Сохраните работу в редакторе</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>Свой текст в предупреждении:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Предупреждение Orvanta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Отложить</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>Композитор Wayland больше не отвечает.</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>Не удалось открыть браузер по умолчанию. Перейдите по адресу вручную:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>Windows не сообщает, какие режимы питания есть у этого компьютера: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>Этот компьютер переходит в спящий режим, лишь отключая экран (Modern Standby).</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>Этот компьютер не поддерживает спящий режим.</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Этот компьютер не поддерживает гибернацию.</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>Гибернация на этом компьютере отключена.</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>состояние выполнения Windows</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>Не удаётся прочитать время последнего ввода: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>Невозможно отслеживать %1: программа принадлежит другому пользователю или системе.</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>Программа %1 уже завершилась.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>Невозможно отслеживать %1: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>X-сервер больше не сообщает, как долго компьютер простаивает.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>Запускает Orvanta в области уведомлений, пока включено повторяющееся расписание</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1 — ссылка на %2, она оставлена без изменений: удалите ссылку, чтобы Orvanta запускалась вместе с вашим сеансом.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Не удаётся записать %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать %1: %2.</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>Файл %1 создан не Orvanta и оставлен без изменений: удалите его, чтобы Orvanta запускалась вместе с вашим сеансом.</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>Запуск Orvanta вместе с сеансом отключён в настройках вашей среды рабочего стола (%1): включите его там.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>Не удаётся удалить %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta будет выполнять расписания, как только запустится вместе с вашим сеансом.</translation>
    </message>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta продолжает работать в области уведомлений, чтобы выполнять расписания.</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>Предотвращение сна: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>Проверка предотвращения сна</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Пробуждение компьютера</translation>
    </message>
</context>
</TS>
