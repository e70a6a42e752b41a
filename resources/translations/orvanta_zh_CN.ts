<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>版权所有 © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>本软件以免费软件（FREEWARE）形式发布，这意味着：</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>免费软件声明</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>开发者：</translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland（苏格兰）</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>访问主页</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ArmingController</name>
    <message>
        <source>A request is already on its way to the system.</source>
        <translation>已有一个请求正在发送给系统。</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 重新开始等待。</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>系统尚未答复：操作仍可能被执行</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>请求正在发送</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1，然后再等 %2</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>此处无法运行命令。</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>未设置命令：请在“文件 &gt; 命令”中输入。</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>命令超出了时间限制：操作照常执行。</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>命令超出了时间限制：操作已取消。</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>操作仍将执行。</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>操作已取消。</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>系统尚未答复该计划的请求。<byte value="xd"/>
它仍可能发生：请保存你的工作。</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>太迟了：请求已经发送给系统</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>已停止：%1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>已停止：计划于 %2 执行的“%1”</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>计划仍然开启；下一个是 %1。</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>没有已启动的任务。</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>此处无法使用计划</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>此处只能按时间等待</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>时间被拒绝</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>此计划已在此期间被删除。</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>无法将计划保存到 %1：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta 在运行期间执行计划。</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>当有计划开启时，Orvanta 会随会话启动，并隐藏在通知区域中。</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>当有计划开启时，Orvanta 会随会话启动。</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>计算机不会为所设定的时间从睡眠中唤醒：<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>此系统无法在指定时间唤醒计算机。</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>有一个操作已设定在稍后执行</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>在此之前计算机将保持唤醒。</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 分钟</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>没有可以延长时间的已启动任务</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>命令行：</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet，或 sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>以你的身份运行；除非命令行中指明了 shell，否则不经过 shell。“操作”框中的“运行命令”会运行它来代替操作。</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>在操作之前运行：命令结束后再执行操作</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>时间限制：</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>结束命令并取消操作</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>结束命令并执行操作</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>到达时限时：</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>命令失败时仍执行操作</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>其输出和错误写入 %1</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>请输入要在操作之前运行的命令。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>注销用户。</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>关机。</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>重启计算机。</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>使计算机进入睡眠（Orvanta 保持运行）。</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>使计算机休眠（Orvanta 保持运行）。</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>锁定屏幕。</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>关闭显示器。</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>添加一个重复执行的计划，需指定操作（及 --force）：日期和时间，例如 &quot;mon-fri 23:30&quot;、&quot;daily 7:00&quot;、&quot;sat,sun 10:00&quot;。</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>列出带编号的计划。</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>开启第 N 个计划。</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>关闭第 N 个计划。</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>删除第 N 个计划。</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>启动时隐藏在通知区域中，与有计划开启时会话启动它的方式相同。</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>列出这台计算机现在能执行哪些操作，以及不能执行的原因。</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>不让其他程序阻止该操作。</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>倒计时 H:MM:SS，或指定分钟数。</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>等到时刻 HH:MM[:SS]。</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>当该 PID 的程序或所有同名程序结束时执行（可多次指定）。</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>当 CPU、磁盘和网络使用率在指定分钟数内保持较低时执行。</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>与 --when-quiet 一起使用：最繁忙 CPU 的使用率低于此值（默认 25）。</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>与 --when-quiet 一起使用：最繁忙磁盘的读写低于此值（默认 1000）。</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>与 --when-quiet 一起使用：网络流量低于此值（默认 10）。</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>当键盘和鼠标在指定分钟数内无人使用时执行。</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>取消正在运行的 Orvanta 中已启动的任务（如果有）。</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>显示正在运行的 Orvanta 窗口，或者启动它。</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>在倒计时结束后、在指定时刻或在任务完成时注销用户、关机、重启、睡眠、锁定屏幕或关闭显示器。</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits 需要 PID 或程序名</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2：不是不超过一周的分钟数</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1：不是 1 到 100 之间的百分比</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1：不是 1 到 1000000 之间的 KB/s 数值</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1：不是 1 到 1000000 之间的 KB/s 数值</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>--help 和 --version 由被调用的程序自己回答</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>意外的参数：%1</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>请选择一个操作：--logoff、--poweroff、--reboot、--sleep、--hibernate、--lock 或 --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check 只能单独使用</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart 只能单独使用</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>请在 --schedule、--schedules、--schedule-on、--schedule-off 和 --schedule-remove 中选择一个</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2：不是计划的编号</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule 需要一个操作：--logoff、--poweroff、--reboot、--sleep、--hibernate、--lock 或 --display-off</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>请在 --in、--at、--when-exits、--when-quiet 和 --when-idle 中选择一个</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu、--disk 和 --net 需与 --when-quiet 一起使用</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in、--at、--when-… 和 --force 需要一个操作：--logoff、--poweroff、--reboot、--sleep、--hibernate、--lock 或 --display-off</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>请指定时间：--in H:MM:SS 或 --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel 不能与操作一起使用</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1：不是 0:00:01 到 99:59:59 之间的倒计时</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1：不是 0:00:01 到 23:59:59 之间的时刻</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>日期 时间</translation>
    </message>
    <message>
        <source>time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>PID|名称</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>与 --at 或 --schedule 一起使用：在该时间前不久将计算机从睡眠中唤醒（不能从休眠或关机状态唤醒）。</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>计划选项只能单独使用（--schedule 及一个操作、--force 和 --wake）</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake 需与 --at 或 --schedule 一起使用</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>运行此命令行来代替电源操作（Orvanta 保持运行）；仅当命令行中指明 shell 时才使用 shell（sh -c &quot;…&quot;）。</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>为正在运行的 Orvanta 中已启动的任务延长时间：H:MM 或分钟数（时刻或计划的执行时间相应推迟；等待则在所等之事完成后再相应延后执行）。</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1：既不是 0:01 到 99:59 之间的 H:MM，也不是分钟数</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone 只能单独使用</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>计划不运行命令：--run 需与 --in、--at 或 --when-… 一起使用</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run 需要命令行</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>注销用户</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>强制（忽略其他程序的警告等）</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>不等待程序关闭</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>时间设置</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>在指定时刻</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>最小化到系统托盘</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>将窗口隐藏到通知区域</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>启动定时器</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>停止定时器</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>正在请求…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>请求正在发送给系统</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>唤醒计算机</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>为此唤醒计算机</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>在该时间前约两分钟将计算机从睡眠中唤醒，以便发出警告并执行操作。无法唤醒处于休眠或关机状态的计算机。</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>延长时间</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>为已启动的任务延长时间</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>GNOME 会话管理器</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>桌面的电源管理</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>桌面门户</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>logind 的空闲抑制锁</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>系统消息总线没有响应</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>Somebody used the computer.</source>
        <translation>有人使用了计算机。</translation>
    </message>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>无人使用计算机：%1 / %2</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>此桌面无法告知计算机已有多久无人使用。</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>仍在确定此桌面如何告知计算机已有多久无人使用。</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>另一个程序（进程 %1）正在写入设置；请重试</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>无法获取锁 %1</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1；未读取设置</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 的大小为 %2，远大于本程序的设置文件</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>it ended before it took the command</source>
        <translation>它在接受命令之前就已结束</translation>
    </message>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>参数太长，无法传递</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>无法从 %1 读取系统负载。</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>无法读取 CPU 负载（状态 0x%1）。</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>无法读取网络负载：%1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind 没有响应：%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>系统尚未答复。<byte value="xd"/>
所请求的操作仍可能发生：请保存你的工作。</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>最小化到系统托盘</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>关于 Orvanta</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Brannock 的其他程序</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>计划…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>太迟了：请求已经发送给系统</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta 正在关闭</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>保存设置</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>加载设置</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>无法将设置保存到 %1：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>无法加载设置：<byte value="xd"/>
%1<byte value="xd"/>
将使用默认值。</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>在此之前保持计算机唤醒</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>命令…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>延长时间</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 分钟</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30 分钟</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1 小时</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>其他…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>推迟（H:MM）：</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>GNOME 的空闲监视器已消失。</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>GNOME 的空闲监视器没有响应：%1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 已经结束。</translation>
    </message>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>等待程序结束需要 Linux 5.3 或更高版本。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>无法监视 %1：Orvanta 打开的文件太多。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>无法监视 %1：系统打开的文件太多。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>无法监视 %1：系统在此不允许。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>无法监视 %1：%2</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Log off user</source>
        <translation>注销用户</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>睡眠</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>关闭显示器</translation>
    </message>
    <message>
        <source>The user was not logged off.</source>
        <translation>用户未被注销。</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>计算机未关机。</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>计算机未重启。</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>计算机未进入睡眠。</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>计算机未休眠。</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>屏幕未锁定。</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>显示器未关闭。</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>系统不允许此操作（拒绝访问）。</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>另一个程序正在阻止它。</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>系统要求输入密码，但无法询问任何人。</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>此系统上没有服务能够执行它。</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>系统未能及时响应，因此请求本身未被发送。</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>系统表示现在无法执行。</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>没有正在运行的会话管理器可以让其他程序保存工作。勾选“强制”仍可结束会话。</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>已发出请求，但此系统上没有任何组件表示已完成。</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>另一个操作在同一时刻到期，已改为执行该操作。</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>系统拒绝了它。</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>用户将在 %1后注销</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>计算机将在 %1后关机</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>计算机将在 %1后重启</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>计算机将在 %1后进入睡眠</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>计算机将在 %1后休眠</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>屏幕将在 %1后锁定</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>显示器将在 %1后关闭</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>睡眠</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>锁定屏幕</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>关闭显示器</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 后</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>于 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>运行命令</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>命令未运行。</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>命令将在 %1后运行</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>运行命令</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>此处没有会话管理器或系统服务可以注销</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>此处没有系统服务可以关机</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>在此关机需要密码</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>此用户无权关机</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>无法从此处关闭这台计算机</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>此处没有系统服务可以重启计算机</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>在此重启需要密码</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>此用户无权重启计算机</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>无法从此处重启这台计算机</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>此处没有系统服务可以使计算机睡眠</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>在此睡眠需要密码</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>此用户无权使计算机睡眠</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>这台计算机无法睡眠</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>此处没有系统服务可以使计算机休眠</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>在此休眠需要密码</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>此用户无权使计算机休眠</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>这台计算机已关闭休眠</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>被“%1”阻止（PID %2）</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>被“%1”阻止（PID %2）：%3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>以及另外 %n 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>没有选择要等待的程序。</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>%1 已结束</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 仍在运行</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 和另外 %n 个程序仍在运行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>The computer is busy again.</source>
        <translation>计算机又忙碌起来了。</translation>
    </message>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>空闲：%1 / %2</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>空闲：%1 / %2 — CPU %3 %，磁盘 %4 KB/s，网络 %5 KB/s</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>注册表拒绝了这些值</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>“%1”在同一时刻到期两次：只请求了一次。</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>已跳过“%1”：“%2”在同一时刻到期。</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>Windows 的启动设置中已关闭 Orvanta 随 Windows 启动：请在“设置 &gt; 应用 &gt; 启动”或任务管理器的“启动”选项卡中将其打开。</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>没有正在运行的程序的 PID 为 %1。</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>没有名为“%1”的程序正在运行。</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>周一至周五</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>操作：</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>强制（忽略其他程序的警告等）</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>为此唤醒计算机</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>在该时间前约两分钟将计算机从睡眠中唤醒，以便发出警告并执行操作。无法唤醒处于休眠或关机状态的计算机。</translation>
    </message>
</context>
<context>
    <name>ScheduleEdits</name>
    <message>
        <source>%1 %2 — %3</source>
        <translation>%1 %2 — %3</translation>
    </message>
    <message>
        <source>%1 (Force)</source>
        <translation>%1（强制）</translation>
    </message>
    <message>
        <source>on </source>
        <translation>开启</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>没有计划。</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>没有第 %1 个计划。</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>已删除：%1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>已有 %n 个计划。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1，唤醒计算机</translation>
    </message>
</context>
<context>
    <name>ScheduleHost</name>
    <message>
        <source>d MMM</source>
        <comment>day and short month, as QDate::toString spells them</comment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <translation>下一个：%1 %2</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>每%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1至%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation>M月d日</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation>下一个：%1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>已错过：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>“%1”不是重复时间：请给出日期和时间，例如 &quot;mon-fri 23:30&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>“%1”没有指定日期：请使用 mon、tue、wed、thu、fri、sat、sun，范围如 mon-fri，列表如 sat,sun，或 daily</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>“%1”不是时刻：小时请用 0 到 23，分钟请用 00 到 59，例如 23:30</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>最多只能保存 %n 个计划。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation>（代替同一时刻到期的“%1”）</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation>（已延长至 %1）</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>计划</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>添加…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>编辑…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>此会话中没有屏幕锁定程序响应</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>此桌面没有提供关闭显示器的方法</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>无法判断是谁的程序在响应：%1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>正在运行的程序不属于你</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>时刻</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1 %2；离开此字段时会被校正</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>微调按钮</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>上箭头或增加使%1%2加一，下箭头或减少使其减一</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Main</source>
        <translation>主菜单</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>计划…</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>关于 Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1：请给出程序的完整路径，或能在 PATH 中找到的名称。</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 不是可以运行的程序。</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>在 PATH 中找不到程序 %1。</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>有引号未闭合。</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>在引号内，反斜杠只能出现在 &quot; ` $ 或另一个反斜杠之前。</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>带引号的参数必须在引号结束处结束。</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>字符 %1 只对 shell 有意义：请将该参数放在双引号中，或通过 sh -c 运行命令。</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>未给出命令。</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>正在运行 %1（%2）</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>%1 已结束，退出状态为 %2，用时 %3。</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>%1 在运行 %2 后崩溃。</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>无法启动 %1：%2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>%1 在运行 %2 后被终止。</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>其输出：%1</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation>当程序结束时</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>所选程序全部结束后执行操作：</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>输入以查找程序</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>查找程序</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>正在运行的程序</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>当计算机空闲时</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>计算机空闲达到此时长后执行操作。只要有一个 CPU 或磁盘繁忙，计算机就视为繁忙。</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>空闲时长</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>每个 CPU 的使用率低于</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>无论有多少个 CPU，只要有一个繁忙，计算机就视为繁忙。</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>每个磁盘的流量低于</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>最繁忙磁盘上的读写量。</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>网络流量低于</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>所有连接的接收和发送总量。</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>当无人使用计算机时</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>无键盘或鼠标输入时长</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>等待</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>直到程序结束…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>直到计算机空闲…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>直到无人使用计算机…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>没有会话总线</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>没有 systemd 用户管理器响应</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>systemd %1 不允许用户的定时器唤醒计算机</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>尚未询问系统</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>此系统无法在指定时间唤醒计算机：%1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1，且 KDE 的电源管理可能无法唤醒计算机（它缺少 CAP_WAKE_ALARM）</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>电源计划仅允许重要的唤醒定时器（电源选项 &gt; 睡眠 &gt; 允许使用唤醒定时器）</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>电源计划不允许使用唤醒定时器（电源选项 &gt; 睡眠 &gt; 允许使用唤醒定时器）</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>无法创建定时器</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>Windows 拒绝了唤醒定时器（错误 %1）</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>这台计算机不支持通过定时器唤醒</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>操作前警告</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>不警告</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>提前 1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>提前 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>声音和自定义文字…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>播放桌面的通知声音</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>例如：请在编辑器中保存你的工作</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>警告中的自定义文字：</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Orvanta 警告</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>延长时间</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>Wayland 合成器不再响应。</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>无法打开默认浏览器。请手动访问以下地址：</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>Windows 未告知这台计算机支持哪些电源状态：%1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>这台计算机只能通过关闭显示器来睡眠（新式待机）。</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>这台计算机无法睡眠。</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>这台计算机无法休眠。</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>这台计算机已关闭休眠。</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>Windows 的执行状态</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>无法读取上次输入的时间：%1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>无法监视 %1：它属于其他用户或系统。</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 已经结束。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>无法监视 %1：%2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>X 服务器不再告知计算机已有多久无人使用。</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>在有重复计划开启时于通知区域启动 Orvanta</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1 是指向 %2 的链接，因此保持不变：删除该链接即可让 Orvanta 随会话启动。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>%1 不是由 Orvanta 写入的，因此保持不变：删除它即可让 Orvanta 随会话启动。</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>桌面设置（%1）中已关闭 Orvanta 随会话启动：请在那里将其打开。</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>无法删除 %1：%2。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta 随会话运行后将执行计划。</translation>
    </message>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta 在通知区域中继续运行以执行计划。</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>保持唤醒：%1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>正在检查是什么使计算机保持唤醒</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>唤醒计算机</translation>
    </message>
</context>
</TS>
