<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArmingController</name>
    <message>
        <source>A request is already on its way to the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the wait again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone 10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action and --force)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>Somebody used the computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>it ended before it took the command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn a minute before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>%1 has already ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Log off user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user was not logged off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logging off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turning off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restarting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>The computer is busy again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quiet for %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleEdits</name>
    <message>
        <source>%1 %2 — %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Force)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleHost</name>
    <message>
        <source>d MMM</source>
        <comment>day and short month, as QDate::toString spells them</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spinner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone 10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
