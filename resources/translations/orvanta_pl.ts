<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>Ten program jest rozpowszechniany jako FREEWARE, czyli:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>Informacja o FREEWARE</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Szkocja</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>Odwiedź stronę domową</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ArmingController</name>
    <message>
        <source>A request is already on its way to the system.</source>
        <translation>Żądanie zostało już wysłane do systemu.</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 Oczekiwanie zaczyna się od nowa.</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>brak odpowiedzi systemu: akcja może jeszcze zostać wykonana</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>żądanie zostało wysłane</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1, potem jeszcze %2</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>Nie można tu uruchamiać poleceń.</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>Nie ustawiono polecenia: wpisz je w menu „Plik” &gt; „Polecenie”.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>Polecenie przekroczyło limit czasu: akcja zostanie wykonana.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>Polecenie przekroczyło limit czasu: akcja została anulowana.</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>Akcja zostanie mimo to wykonana.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>Akcja została anulowana.</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>System nie odpowiedział jeszcze na żądanie harmonogramu.<byte value="xd"/>
Akcja może jeszcze nastąpić: zapisz swoją pracę.</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>za późno: żądanie zostało już wysłane do systemu</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Zatrzymano: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>Zatrzymano: „%1” z harmonogramu (%2)</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>Harmonogramy pozostają włączone; następny termin: %1.</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>Nic nie było zaplanowane.</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>harmonogramy nie są tu dostępne</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>oczekiwanie inne niż na czas nie jest tu dostępne</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>czas nie został przyjęty</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>Ten harmonogram został w międzyczasie usunięty.</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Nie można zapisać harmonogramów w %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta wykonuje harmonogramy, dopóki jest uruchomiona.</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>Dopóki harmonogram jest włączony, Orvanta uruchamia się wraz z sesją, ukryta w obszarze powiadomień.</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>Dopóki harmonogram jest włączony, Orvanta uruchamia się wraz z sesją.</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>Komputer nie zostanie wybudzony ze stanu uśpienia na ustawioną godzinę:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>Ten system nie może wybudzić komputera o określonej godzinie.</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>Akcja jest zaplanowana na później</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>Do tego czasu komputer nie przejdzie w stan uśpienia.</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 minut</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>nie zaplanowano niczego, co można by odłożyć</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>Polecenie</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Wiersz polecenia:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet lub sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>Uruchamiane z Twoimi uprawnieniami, bez powłoki, chyba że wiersz ją wywołuje. „Uruchom polecenie” w ramce „Akcja” uruchamia je zamiast akcji.</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>Uruchom je przed akcją: akcja nastąpi po jego zakończeniu</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Limit czasu:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>Zakończ je i anuluj akcję</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>Zakończ je i wykonaj akcję</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>Po przekroczeniu limitu:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>Wykonaj akcję także wtedy, gdy polecenie się nie powiedzie</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>Wyjście i błędy polecenia trafiają do %1</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>Wpisz polecenie do uruchomienia przed akcją.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>Wyloguj użytkownika.</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>Wyłącz komputer.</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>Uruchom ponownie komputer.</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>Uśpij komputer (Orvanta działa dalej).</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>Hibernuj komputer (Orvanta działa dalej).</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>Zablokuj ekran.</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>Wyłącz ekran.</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>Dodaj powtarzający się harmonogram z akcją (i --force): dni i godzina, np. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>Wyświetl ponumerowaną listę harmonogramów.</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>Włącz harmonogram N.</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>Wyłącz harmonogram N.</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>Usuń harmonogram N.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>Uruchom ukryty w obszarze powiadomień, tak jak przy starcie sesji, gdy harmonogram jest włączony.</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>Wypisz, które akcje ten komputer może teraz wykonać, a które nie i dlaczego.</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>Nie pozwalaj innym programom wstrzymywać akcji.</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>Odliczaj H:MM:SS lub podaną liczbę minut.</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>Czekaj do godziny HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>Wykonaj akcję, gdy zakończy się program o tym PID lub każdy program o tej nazwie (można podać wiele razy).</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>Wykonaj akcję, gdy użycie procesora, dysku i sieci pozostaje niskie przez tyle minut.</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>Z --when-quiet: użycie najbardziej obciążonego procesora poniżej tej wartości (domyślnie 25).</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>Z --when-quiet: odczyt i zapis najbardziej obciążonego dysku poniżej tej wartości (domyślnie 1000).</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>Z --when-quiet: ruch sieciowy poniżej tej wartości (domyślnie 10).</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>Wykonaj akcję, gdy nikt nie używa klawiatury ani myszy przez tyle minut.</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>Anuluj oczekiwanie uruchomionego programu Orvanta, jeśli działa.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>Przywołaj okno uruchomionego programu Orvanta lub uruchom program.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>Wylogowuje użytkownika, wyłącza lub ponownie uruchamia komputer, usypia go, blokuje albo wyłącza ekran — po odliczaniu, o określonej godzinie lub po zakończeniu zadania.</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits wymaga PID lub nazwy programu</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2: to nie jest liczba minut do tygodnia</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1: to nie jest wartość procentowa od 1 do 100</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1: to nie jest liczba KB/s od 1 do 1000000</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1: to nie jest liczba KB/s od 1 do 1000000</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>na --help i --version odpowiada wywołany program</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>nieoczekiwany argument: %1</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>wybierz jedną akcję: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock lub --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check podaje się osobno</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart podaje się osobno</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>wybierz tylko jedną z opcji --schedule, --schedules, --schedule-on, --schedule-off i --schedule-remove</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2: to nie jest numer harmonogramu</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule wymaga akcji: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock lub --display-off</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>wybierz tylko jedną z opcji --in, --at, --when-exits, --when-quiet i --when-idle</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu, --disk i --net działają tylko z --when-quiet</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in, --at, --when-… i --force wymagają akcji: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock lub --display-off</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>podaj czas: --in H:MM:SS lub --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel nie może być łączone z akcją</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1: to nie jest czas odliczania od 0:00:01 do 99:59:59</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1: to nie jest godzina od 0:00:01 do 23:59:59</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>dni godzina</translation>
    </message>
    <message>
        <source>time</source>
        <translation>godzina</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>pid|nazwa</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuty</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>procent</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>Z --at lub --schedule: wybudź komputer ze stanu uśpienia (nie z hibernacji ani gdy jest wyłączony) tuż przed podaną godziną.</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>opcje harmonogramów podaje się osobno (--schedule z akcją, --force i --wake)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake działa tylko z --at lub --schedule</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>Wykonaj ten wiersz polecenia zamiast akcji zasilania (Orvanta działa dalej); powłoka tylko wtedy, gdy wiersz ją wywołuje (sh -c &quot;…&quot;).</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>Odłóż to, co zaplanował uruchomiony program Orvanta: H:MM lub liczba minut (godzina lub termin harmonogramu przypada o tyle później, oczekiwanie wykonuje akcję o tyle dłużej po zakończeniu zadania).</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1: to nie jest czas H:MM od 0:01 do 99:59 ani liczba minut</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone podaje się osobno</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>harmonogram nie uruchamia poleceń: --run działa tylko z --in, --at lub --when-…</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run wymaga wiersza polecenia</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Wyloguj użytkownika</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Uruchom ponownie</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Wymuś (bez ostrzeżeń programów itp.)</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>Nie czekaj na zamknięcie programów</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>O godzinie</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Minimalizuj do obszaru powiadomień</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>Ukryj okno w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>Uruchom odliczanie</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>Zatrzymaj odliczanie</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>Wysyłanie…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>Żądanie zostało wysłane do systemu</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Wybudź komputer</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Wybudź komputer na tę akcję</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Wybudź komputer ze stanu uśpienia około dwóch minut przed podaną godziną, aby pojawiło się ostrzeżenie i wykonana została akcja. Nie można wybudzić komputera, który jest w stanie hibernacji lub jest wyłączony.</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Odłóż</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>Odłóż zaplanowaną akcję</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>menedżer sesji GNOME</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>zarządzanie energią pulpitu</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>portal pulpitu</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>blokada bezczynności logind</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>Systemowa magistrala komunikatów nie odpowiada</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>Somebody used the computer.</source>
        <translation>Ktoś użył komputera.</translation>
    </message>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>bezczynność: %1 z %2</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>To środowisko pulpitu nie informuje, jak długo komputer jest bezczynny.</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>Trwa ustalanie, jak to środowisko pulpitu informuje o czasie bezczynności komputera.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>inny program (proces %1) zapisuje ustawienia; spróbuj ponownie</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>nie można założyć blokady %1</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1; ustawienia nie zostały wczytane</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 zajmuje %2 — znacznie więcej niż plik ustawień tego programu</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>it ended before it took the command</source>
        <translation>program zakończył się przed przyjęciem polecenia</translation>
    </message>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>argumenty są zbyt długie, by je przekazać</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>Nie można odczytać obciążenia systemu z %1.</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>Nie można odczytać obciążenia procesorów (stan 0x%1).</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>Nie można odczytać obciążenia sieci: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind nie odpowiedział: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>System jeszcze nie odpowiedział.<byte value="xd"/>
Żądana akcja może jeszcze nastąpić: zapisz swoją pracę.</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Minimalizuj do obszaru powiadomień</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>O programie Orvanta</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Inne programy Brannocka</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Harmonogramy…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>W internecie</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>za późno: żądanie zostało już wysłane do systemu</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta kończy działanie</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Wczytaj ustawienia</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Nie można zapisać ustawień w %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>Nie można wczytać ustawień:<byte value="xd"/>
%1<byte value="xd"/>
Użyto wartości domyślnych.</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>Nie pozwalaj komputerowi zasnąć do czasu akcji</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>Polecenie…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>Odłóż</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 minut</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30 minut</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1 godzina</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Inne…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>Odłóż o (G:MM):</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>Monitor bezczynności GNOME zniknął.</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>Monitor bezczynności GNOME nie odpowiedział: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>%1 has already ended.</source>
        <translation>Program %1 już się zakończył.</translation>
    </message>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>Oczekiwanie na zakończenie programu wymaga systemu Linux 5.3 lub nowszego.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>Nie można obserwować %1: Orvanta ma otwartych zbyt wiele plików.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>Nie można obserwować %1: system ma otwartych zbyt wiele plików.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>Nie można obserwować %1: system na to tutaj nie pozwala.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>Nie można obserwować %1: %2</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Log off user</source>
        <translation>Wyloguj użytkownika</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Uruchom ponownie</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Zablokuj ekran</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>Wyłącz ekran</translation>
    </message>
    <message>
        <source>The user was not logged off.</source>
        <translation>Użytkownik nie został wylogowany.</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>Komputer nie został wyłączony.</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>Komputer nie został uruchomiony ponownie.</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>Komputer nie został uśpiony.</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>Komputer nie przeszedł w stan hibernacji.</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>Ekran nie został zablokowany.</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>Ekran nie został wyłączony.</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>System na to nie zezwolił (odmowa dostępu).</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>Blokuje to inny program.</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>System wymaga do tego hasła, a nie było kogo o nie zapytać.</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>Żadna usługa w tym systemie nie mogła tego wykonać.</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>System nie odpowiedział na czas, więc samo żądanie nie zostało wysłane.</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>System informuje, że nie może tego teraz zrobić.</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>Nie działa menedżer sesji, który mógłby poprosić inne programy o zapisanie pracy. Zaznacz „Wymuś”, aby mimo to zakończyć sesję.</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>Wysłano żądanie, ale nic w tym systemie nie potwierdziło jego wykonania.</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>Na tę samą chwilę przypadała inna akcja i to o nią wysłano żądanie.</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>System odmówił.</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>Użytkownik zostanie wylogowany za %1</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>Komputer zostanie wyłączony za %1</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>Komputer zostanie uruchomiony ponownie za %1</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>Komputer zostanie uśpiony za %1</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>Komputer przejdzie w stan hibernacji za %1</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>Ekran zostanie zablokowany za %1</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>Ekran zostanie wyłączony za %1</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>wylogowanie</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>wyłączenie</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>ponowne uruchomienie</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>uśpienie</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>hibernacja</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>blokada ekranu</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>wyłączenie ekranu</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>za %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>o %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n sekundę</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>Uruchom polecenie</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>Polecenie nie zostało wykonane.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minutę</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>Polecenie zostanie uruchomione za %1</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>uruchomienie polecenia</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>Żaden menedżer sesji ani usługa systemowa nie może tu wylogować</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>Żadna usługa systemowa nie może tu wyłączyć komputera</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>Wyłączenie komputera wymaga tu hasła</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>Ten użytkownik nie może wyłączyć komputera</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>Tego komputera nie można stąd wyłączyć</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>Żadna usługa systemowa nie może tu ponownie uruchomić komputera</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>Ponowne uruchomienie wymaga tu hasła</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>Ten użytkownik nie może ponownie uruchomić komputera</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>Tego komputera nie można stąd uruchomić ponownie</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>Żadna usługa systemowa nie może tu uśpić komputera</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>Uśpienie wymaga tu hasła</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>Ten użytkownik nie może uśpić komputera</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>Tego komputera nie można uśpić</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>Żadna usługa systemowa nie może tu zahibernować komputera</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>Hibernacja wymaga tu hasła</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>Ten użytkownik nie może zahibernować komputera</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>Hibernacja jest wyłączona na tym komputerze</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>Blokowane przez „%1” (PID %2)</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>Blokowane przez „%1” (PID %2): %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n program</numerusform>
            <numerusform>i jeszcze %n programy</numerusform>
            <numerusform>i jeszcze %n programów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>Nie wybrano programu, na który należy czekać.</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>program %1 zakończył działanie</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 nadal działa</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 i %n inny program nadal działają</numerusform>
            <numerusform>%1 i %n inne programy nadal działają</numerusform>
            <numerusform>%1 i %n innych programów nadal działają</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>The computer is busy again.</source>
        <translation>Komputer znów jest obciążony.</translation>
    </message>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>niskie obciążenie: %1 z %2</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>niskie obciążenie: %1 z %2 — CPU %3&#xa0;%, dysk %4&#xa0;KB/s, sieć %5&#xa0;KB/s</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>rejestr odrzucił wartości</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>Akcja „%1” przypadała dwukrotnie na tę samą chwilę: wysłano jedno żądanie.</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>Pominięto akcję „%1”: na tę samą chwilę przypadała akcja „%2”.</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>nie można usunąć %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>Uruchamianie programu Orvanta wraz z systemem Windows jest wyłączone w ustawieniach uruchamiania systemu Windows: włącz je w obszarze Ustawienia &gt; Aplikacje &gt; Uruchamianie lub na karcie Uruchamianie w Menedżerze zadań.</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>Żaden uruchomiony program nie ma PID %1.</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>Nie działa żaden program o nazwie „%1”.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Harmonogram</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Dni:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Dni robocze</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Godzina:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Akcja:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Wymuś (bez ostrzeżeń programów itp.)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Wybudź komputer na tę akcję</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Wybudź komputer ze stanu uśpienia około dwóch minut przed podaną godziną, aby pojawiło się ostrzeżenie i wykonana została akcja. Nie można wybudzić komputera, który jest w stanie hibernacji lub jest wyłączony.</translation>
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
        <translation>%1 (wymuszenie)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>wł. </translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>Brak harmonogramów.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>Nie ma harmonogramu %1.</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Usunięto: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>Istnieje już %n harmonogram.</numerusform>
            <numerusform>Istnieją już %n harmonogramy.</numerusform>
            <numerusform>Istnieje już %n harmonogramów.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1, z wybudzeniem komputera</translation>
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
        <translation>Następny: %1 %2</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Co tydzień: %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
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
        <translation>Następny: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Pominięto: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>„%1” nie jest powtarzającym się terminem: podaj dni i godzinę, np. &quot;mon-fri 23:30&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>„%1” nie określa dni: użyj mon, tue, wed, thu, fri, sat, sun, zakresów takich jak mon-fri, list takich jak sat,sun lub daily</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>„%1” nie jest godziną: użyj godzin od 0 do 23 i minut od 00 do 59, np. 23:30</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>Można przechowywać najwyżej %n harmonogram.</numerusform>
            <numerusform>Można przechowywać najwyżej %n harmonogramy.</numerusform>
            <numerusform>Można przechowywać najwyżej %n harmonogramów.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (zamiast: %1 — w tym samym czasie)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (odłożono: %1)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Harmonogramy</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Dodaj…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Edytuj…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>W tej sesji nie odpowiada żadna blokada ekranu</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>To środowisko pulpitu nie umożliwia wyłączenia ekranu</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>nie można ustalić, czyj program odpowiada: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>uruchomiony program nie należy do Ciebie</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1, %2; poprawiane po opuszczeniu pola</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>pokrętło</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>Strzałka w górę lub zwiększenie dodaje jeden do pola „%1, %2”, strzałka w dół lub zmniejszenie odejmuje jeden</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Main</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Harmonogramy…</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>O programie Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1: podaj pełną ścieżkę programu lub nazwę dostępną w PATH.</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 nie jest programem, który można uruchomić.</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>Nie znaleziono programu %1 w PATH.</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>Cudzysłów nie został zamknięty.</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>W cudzysłowie ukośnik odwrotny może stać tylko przed &quot; ` $ lub innym ukośnikiem odwrotnym.</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>Argument w cudzysłowie musi kończyć się tam, gdzie kończy się cudzysłów.</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>Znak %1 ma znaczenie tylko dla powłoki: ujmij argument w podwójny cudzysłów lub uruchom polecenie przez sh -c.</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>Nie podano polecenia.</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>%1 działa (%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>Program %1 zakończył działanie z kodem %2 po %3.</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>Program %1 uległ awarii po %2.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>Nie można uruchomić %1: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>Program %1 został zakończony po %2.</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>Wyjście programu: %1</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation>Po zakończeniu programu</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>Akcja nastąpi, gdy zakończy się ostatni z wybranych programów:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>Wpisz, aby znaleźć program</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>Znajdź program</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Uruchomione programy</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>Przy niskim obciążeniu</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>Akcja nastąpi, gdy obciążenie komputera pozostanie niskie przez ten czas. Wystarczy jeden zajęty procesor lub dysk, by komputer był obciążony.</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>Niskie obciążenie przez</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>Użycie każdego procesora poniżej</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>Jeden zajęty procesor wystarczy, by komputer był obciążony, bez względu na liczbę procesorów.</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>Transfer każdego dysku poniżej</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>Odczyt i zapis na najbardziej obciążonym dysku.</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>Ruch sieciowy poniżej</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>Dane odebrane i wysłane łącznie na wszystkich połączeniach.</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>Gdy komputer jest bezczynny</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>Brak użycia klawiatury i myszy przez</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>Czekaj</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>Aż program się zakończy…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>Aż obciążenie spadnie…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>Aż komputer będzie bezczynny…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>brak sesyjnej magistrali komunikatów</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>menedżer użytkownika systemd nie odpowiada</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>systemd %1 nie pozwala, by czasomierz użytkownika wybudził komputer</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>system nie został jeszcze zapytany</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>Ten system nie może wybudzić komputera o określonej godzinie: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1, a zarządzanie energią KDE może nie wybudzić komputera (brak uprawnienia CAP_WAKE_ALARM)</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>plan zasilania zezwala tylko na ważne czasomierze wznawiania (Opcje zasilania &gt; Uśpienie &gt; Zezwalaj na czasomierze wznawiania)</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>plan zasilania nie zezwala na czasomierze wznawiania (Opcje zasilania &gt; Uśpienie &gt; Zezwalaj na czasomierze wznawiania)</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>nie udało się utworzyć czasomierza</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>system Windows odrzucił czasomierz wznawiania (błąd %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>ten komputer nie obsługuje wybudzania przez czasomierz</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>Ostrzeżenie przed akcją</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Bez ostrzeżenia</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>1 minutę przed</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n minutę przed</numerusform>
            <numerusform>%n minuty przed</numerusform>
            <numerusform>%n minut przed</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>Dźwięk i własny tekst…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>Odtwarzaj dźwięk powiadomień pulpitu</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>np. Zapisz pracę w edytorze</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>Własny tekst w ostrzeżeniu:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Ostrzeżenie programu Orvanta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Odłóż</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>Kompozytor Wayland już nie odpowiada.</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>Nie można otworzyć domyślnej przeglądarki. Przejdź ręcznie pod adres:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>System Windows nie informuje, jakie stany zasilania ma ten komputer: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>Ten komputer usypia się tylko przez wyłączenie ekranu (Modern Standby).</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>Tego komputera nie można uśpić.</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Tego komputera nie można zahibernować.</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>Hibernacja jest wyłączona na tym komputerze.</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>stan wykonywania systemu Windows</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>Nie można odczytać czasu ostatniej aktywności użytkownika: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>Nie można obserwować %1: należy do innego użytkownika lub do systemu.</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>Program %1 już się zakończył.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>Nie można obserwować %1: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>Serwer X już nie informuje, jak długo komputer jest bezczynny.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>Uruchamia program Orvanta w obszarze powiadomień, dopóki włączony jest powtarzający się harmonogram</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1 jest dowiązaniem do %2 i pozostaje bez zmian: usuń dowiązanie, aby Orvanta uruchamiała się wraz z sesją.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Nie można zapisać %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>Plik %1 nie został utworzony przez program Orvanta i pozostaje bez zmian: usuń go, aby Orvanta uruchamiała się wraz z sesją.</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>Uruchamianie programu Orvanta wraz z sesją jest wyłączone w ustawieniach środowiska pulpitu (%1): włącz je tam.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>Nie można usunąć %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta będzie wykonywać harmonogramy, gdy zostanie uruchomiona wraz z sesją.</translation>
    </message>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta działa dalej w obszarze powiadomień, aby wykonywać harmonogramy.</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>Zapobieganie uśpieniu: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>Sprawdzanie zapobiegania uśpieniu komputera</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Wybudź komputer</translation>
    </message>
</context>
</TS>
