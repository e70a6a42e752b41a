<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>Diese Software wird als FREEWARE verbreitet, das heißt:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>Freeware-Hinweis</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>Entwickler:</translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Schottland</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>Zur Homepage</translation>
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
        <translation>Eine Anforderung ist bereits an das System unterwegs.</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>die Anforderung ist unterwegs</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 Das Warten beginnt von vorn.</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>noch keine Antwort vom System: es kann noch ausgeführt werden</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1, danach noch %2</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>Befehle können hier nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>Es ist kein Befehl festgelegt: Geben Sie unter Datei &gt; Befehl einen ein.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>Der Befehl hat sein Zeitlimit erreicht: Die Aktion wird ausgeführt.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>Der Befehl hat sein Zeitlimit erreicht: Die Aktion wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>Die Aktion wird trotzdem ausgeführt.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>Die Aktion wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>Das System hat auf die Anforderung des Zeitplans noch nicht geantwortet.<byte value="xd"/>
Sie kann noch ausgeführt werden: Speichern Sie Ihre Arbeit.</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>zu spät: die Anforderung ist bereits an das System unterwegs</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>Angehalten: „%1“ laut Zeitplan am %2</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>Die Zeitpläne bleiben eingeschaltet; der nächste Termin ist %1.</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>Es war nichts scharf geschaltet.</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>Zeitpläne sind hier nicht verfügbar</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>andere Wartebedingungen als die Uhrzeit sind hier nicht verfügbar</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>die Zeitangabe wurde nicht angenommen</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>Dieser Zeitplan wurde inzwischen entfernt.</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Die Zeitpläne konnten nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta führt die Zeitpläne aus, solange es läuft.</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>Solange ein Zeitplan eingeschaltet ist, startet Orvanta mit Ihrer Sitzung, verborgen im Infobereich.</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>Orvanta startet mit Ihrer Sitzung, solange ein Zeitplan eingeschaltet ist.</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>Der Computer wird für die eingestellte Zeit nicht aus dem Energiesparmodus geweckt:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>Dieses System kann den Computer nicht zu einer Uhrzeit wecken.</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>Eine Aktion ist für später scharf geschaltet</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>Der Computer wird bis dahin wach gehalten.</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 Minuten</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>es ist nichts scharf geschaltet, das mehr Zeit bekommen könnte</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Befehlszeile:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet oder sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>Wird unter Ihrem Benutzerkonto ausgeführt, ohne Shell, sofern die Zeile keine nennt. „Befehl ausführen“ im Rahmen „Aktion“ führt ihn statt einer Aktion aus.</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>Vor der Aktion ausführen: Die Aktion folgt, wenn er beendet ist</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>Beenden und Aktion abbrechen</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>Beenden und Aktion ausführen</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>Bei Ablauf:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>Aktion auch ausführen, wenn der Befehl fehlschlägt</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>Ausgaben und Fehlermeldungen werden in %1 geschrieben</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>Geben Sie den Befehl ein, der vor der Aktion ausgeführt werden soll.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>Den Benutzer abmelden.</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>Den Computer ausschalten.</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>Den Computer neu starten.</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>Keine Verzögerung durch andere Programme zulassen.</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>Countdown H:MM:SS oder eine Anzahl Minuten.</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>Bis zur Uhrzeit HH:MM[:SS] warten.</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>--help und --version beantwortet das aufgerufene Programm selbst</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>Zeitpunkt fehlt: --in H:MM:SS oder --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel lässt sich nicht mit einer Aktion verbinden</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1: kein Countdown zwischen 0:00:01 und 99:59:59</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1: keine Uhrzeit zwischen 0:00:01 und 23:59:59</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>Auslösen, wenn das Programm mit dieser PID oder jedes Programm dieses Namens beendet ist (mehrfach möglich).</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>Mit --when-quiet: Netzwerkverkehr unter diesem Wert (Vorgabe 10).</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>Auslösen, wenn so viele Minuten lang niemand Tastatur oder Maus benutzt hat.</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits braucht eine PID oder einen Programmnamen</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2: keine Anzahl Minuten bis zu einer Woche</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1: kein Prozentwert zwischen 1 und 100</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1: keine Anzahl KB/s zwischen 1 und 1000000</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>nur eines von --in, --at, --when-exits, --when-quiet und --when-idle angeben</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>Handeln, wenn CPU-, Datenträger- und Netzwerklast so viele Minuten lang niedrig geblieben sind.</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>Mit --when-quiet: Last der am stärksten ausgelasteten CPU unter diesem Wert (Vorgabe 25).</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>Mit --when-quiet: Lesen und Schreiben des am stärksten genutzten Datenträgers unter diesem Wert (Vorgabe 1000).</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>Das laufende Orvanta entschärfen, falls eines läuft.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>Das Fenster des laufenden Orvanta nach vorn holen oder Orvanta starten.</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1: keine Zahl von KB/s zwischen 1 und 1000000</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu, --disk und --net gehören zu --when-quiet</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>Den Computer in den Energiesparmodus versetzen (Orvanta läuft weiter).</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>Den Computer in den Ruhezustand versetzen (Orvanta läuft weiter).</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>Den Bildschirm sperren.</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>Den Bildschirm ausschalten.</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>Einen wiederkehrenden Zeitplan mit einer Aktion (und --force) anlegen: Tage und eine Uhrzeit, etwa &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>Die Zeitpläne nummeriert auflisten.</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>Zeitplan N einschalten.</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>Zeitplan N ausschalten.</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>Zeitplan N entfernen.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>Verborgen im Infobereich starten, wie es die Sitzung tut, solange ein Zeitplan eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>Ausgeben, welche Aktionen dieser Computer jetzt ausführen kann und warum die übrigen nicht.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>Meldet den Benutzer ab, schaltet den Computer aus oder startet ihn neu, versetzt ihn in den Energiesparmodus, sperrt den Bildschirm oder schaltet ihn aus – nach einem Countdown, zu einer Uhrzeit oder wenn eine Aufgabe erledigt ist.</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>nur eine Aktion angeben: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock oder --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check wird allein angegeben</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart wird allein angegeben</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>nur eines von --schedule, --schedules, --schedule-on, --schedule-off und --schedule-remove angeben</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2: keine Nummer eines Zeitplans</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule braucht eine Aktion: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock oder --display-off</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in, --at, --when-… und --force brauchen eine Aktion: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock oder --display-off</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>Tage Uhrzeit</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>PID|Name</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>Mit --at oder --schedule: den Computer kurz vor der Uhrzeit aus dem Energiesparmodus wecken (nicht aus dem Ruhezustand und nicht, wenn er ausgeschaltet ist).</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>die Zeitplan-Optionen werden allein angegeben (--schedule mit einer Aktion, --force und --wake)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake gehört zu --at oder --schedule</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>Diese Befehlszeile statt einer Energieaktion ausführen (Orvanta läuft weiter); eine Shell nur, wenn die Zeile eine nennt (sh -c &quot;…&quot;).</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>Dem, was das laufende Orvanta scharf geschaltet hat, mehr Zeit geben: H:MM oder eine Anzahl Minuten (eine Uhrzeit oder ein Termin eines Zeitplans kommt um so viel später, eine Wartebedingung löst um so viel später nach dem Ende ihrer Aufgabe aus).</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1: weder H:MM zwischen 0:01 und 99:59 noch eine Anzahl Minuten</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone wird allein angegeben</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>ein Zeitplan führt keinen Befehl aus: --run gehört zu --in, --at oder --when-…</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run braucht eine Befehlszeile</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>Zur Uhrzeit</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>Nicht darauf warten, dass sich Programme beenden</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Erzwingen (Rückfragen übergehen usw.)</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>Das Fenster im Infobereich verbergen</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Benutzer abmelden</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Computer neu starten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>Timer starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>Timer anhalten</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>Wird angefordert…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>Die Anforderung ist an das System unterwegs</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Computer wecken</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Den Computer dafür wecken</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Den Computer etwa zwei Minuten vor der Uhrzeit aus dem Energiesparmodus wecken, damit die Warnung und die Aktion erfolgen. Ein Computer im Ruhezustand oder ein ausgeschalteter Computer kann nicht geweckt werden.</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Mehr Zeit</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>Mehr Zeit für das, was scharf geschaltet ist</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>GNOME-Sitzungsverwaltung</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>die Energieverwaltung der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>das Desktop-Portal</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>die Leerlauf-Sperre von logind</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>Der Nachrichtenbus des Systems antwortet nicht</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>niemand am Computer: %1 von %2</translation>
    </message>
    <message>
        <source>Somebody used the computer.</source>
        <translation>Jemand hat den Computer benutzt.</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>Diese Arbeitsumgebung teilt nicht mit, wie lange niemand den Computer benutzt hat.</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>Es wird noch ermittelt, wie diese Arbeitsumgebung mitteilt, wie lange niemand den Computer benutzt hat.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>ein anderes Programm (Prozess %1) schreibt gerade die Einstellungen; bitte erneut versuchen</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>die Sperre %1 lässt sich nicht setzen</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1; die Einstellungen werden nicht gelesen</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 ist %2 groß, weit mehr als eine Einstellungsdatei dieses Programms</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>die Argumente sind zu lang für die Übergabe</translation>
    </message>
    <message>
        <source>it ended before it took the command</source>
        <translation>es wurde beendet, bevor es den Befehl annahm</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>Die Auslastung des Systems lässt sich nicht aus %1 lesen.</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>Die Last der CPUs lässt sich nicht lesen (Status 0x%1).</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>Die Netzwerklast lässt sich nicht lesen: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind hat nicht geantwortet: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Minimize to system tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Über Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Weitere Programme von Brannock</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>Im Internet</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta wird gerade beendet</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>zu spät: die Anforderung ist bereits an das System unterwegs</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>Die Einstellungen konnten nicht geladen werden:<byte value="xd"/>
%1<byte value="xd"/>
Es gelten die Standardwerte.</translation>
    </message>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>Das System hat noch nicht geantwortet.<byte value="xd"/>
Was verlangt wurde, kann noch geschehen: Speichern Sie Ihre Arbeit.</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Zeitpläne…</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>Computer bis dahin wach halten</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>Befehl…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>Mehr Zeit</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 Minuten</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30 Minuten</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1 Stunde</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Andere…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>Später um (H:MM):</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>Die Leerlaufüberwachung von GNOME ist verschwunden.</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>Die Leerlaufüberwachung von GNOME hat nicht geantwortet: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>Das Warten auf das Ende eines Programms erfordert Linux 5.3 oder neuer.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 kann nicht beobachtet werden: %2</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 ist bereits beendet.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>%1 kann nicht beobachtet werden: Orvanta hat zu viele Dateien geöffnet.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>%1 kann nicht beobachtet werden: Das System hat zu viele Dateien geöffnet.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>%1 kann nicht beobachtet werden: Das System erlaubt es hier nicht.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>The user was not logged off.</source>
        <translation>Der Benutzer wurde nicht abgemeldet.</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>Der Computer wurde nicht ausgeschaltet.</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>Der Computer wurde nicht neu gestartet.</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>Das System hat es nicht erlaubt (Zugriff verweigert).</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>Ein anderes Programm verhindert es.</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>Das System verlangt dafür ein Passwort, und niemand konnte gefragt werden.</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>Kein Dienst auf diesem System konnte es ausführen.</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>Das System meldet, dass es das jetzt nicht kann.</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>Es läuft keine Sitzungsverwaltung, die die anderen Programme bitten könnte, ihre Arbeit zu speichern. Kreuzen Sie „Erzwingen“ an, um die Sitzung trotzdem zu beenden.</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>Das System hat es abgelehnt.</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>Der Benutzer wird in %1 abgemeldet</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>Der Computer wird in %1 ausgeschaltet</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>Der Computer wird in %1 neu gestartet</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>Abmeldung</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>um %1</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>Das System hat nicht rechtzeitig geantwortet, daher wurde die Anforderung selbst nicht gesendet.</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Benutzer abmelden</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Computer neu starten</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Bildschirm sperren</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>Bildschirm aus</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>Der Computer wurde nicht in den Energiesparmodus versetzt.</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>Der Computer wurde nicht in den Ruhezustand versetzt.</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>Der Bildschirm wurde nicht gesperrt.</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>Der Bildschirm wurde nicht ausgeschaltet.</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>Es wurde angefordert, aber nichts auf diesem System hat gemeldet, dass es ausgeführt wurde.</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>Der Computer wechselt in %1 in den Energiesparmodus</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>Der Computer wechselt in %1 in den Ruhezustand</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>Der Bildschirm wird in %1 gesperrt</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>Der Bildschirm wird in %1 ausgeschaltet</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>Energiesparmodus</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>Bildschirmsperre</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>Ausschalten des Bildschirms</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>Eine andere Aktion war zum selben Zeitpunkt fällig und wurde stattdessen angefordert.</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>Befehl ausführen</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>Der Befehl wurde nicht ausgeführt.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>Der Befehl wird in %1 ausgeführt</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>Ausführen des Befehls</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>Keine Sitzungsverwaltung und kein Systemdienst kann hier abmelden</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>Kein Systemdienst kann hier den Computer ausschalten</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>Das Ausschalten des Computers erfordert hier ein Passwort</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>Dieser Benutzer darf den Computer nicht ausschalten</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>Dieser Computer lässt sich von hier aus nicht ausschalten</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>Kein Systemdienst kann hier den Computer neu starten</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>Der Neustart erfordert hier ein Passwort</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>Dieser Benutzer darf den Computer nicht neu starten</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>Dieser Computer lässt sich von hier aus nicht neu starten</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>Kein Systemdienst kann hier den Computer in den Energiesparmodus versetzen</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>Der Energiesparmodus erfordert hier ein Passwort</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>Dieser Benutzer darf den Computer nicht in den Energiesparmodus versetzen</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>Dieser Computer kann nicht in den Energiesparmodus wechseln</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>Kein Systemdienst kann hier den Computer in den Ruhezustand versetzen</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>Der Ruhezustand erfordert hier ein Passwort</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>Dieser Benutzer darf den Computer nicht in den Ruhezustand versetzen</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>Der Ruhezustand ist auf diesem Computer ausgeschaltet</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>Blockiert durch „%1“ (PID %2)</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>Blockiert durch „%1“ (PID %2): %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres Programm</numerusform>
            <numerusform>und %n weitere Programme</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>Es wurde kein Programm gewählt, auf das gewartet werden soll.</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>%1 ist beendet</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 läuft noch</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 und %n weiteres Programm laufen noch</numerusform>
            <numerusform>%1 und %n weitere Programme laufen noch</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>ruhig: %1 von %2</translation>
    </message>
    <message>
        <source>The computer is busy again.</source>
        <translation>Der Computer ist wieder beschäftigt.</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>ruhig: %1 von %2 — CPU %3&#xa0;%, Datenträger %4&#xa0;KB/s, Netzwerk %5&#xa0;KB/s</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>die Registrierung hat die Werte abgelehnt</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>„%1“ war zweimal zum selben Zeitpunkt fällig: Es wurde einmal angefordert.</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>„%1“ wurde ausgelassen: „%2“ war zum selben Zeitpunkt fällig.</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>Der Start von Orvanta mit Windows ist in den Autostart-Einstellungen von Windows ausgeschaltet: Schalten Sie ihn unter Einstellungen, Apps, Autostart oder im Task-Manager auf der Registerkarte „Autostart“ ein.</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>Kein laufendes Programm hat die PID %1.</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>Es läuft kein Programm namens „%1“.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Tage:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Montag bis Freitag</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Aktion:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Erzwingen (Rückfragen übergehen usw.)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Den Computer dafür wecken</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Den Computer etwa zwei Minuten vor der Uhrzeit aus dem Energiesparmodus wecken, damit die Warnung und die Aktion erfolgen. Ein Computer im Ruhezustand oder ein ausgeschalteter Computer kann nicht geweckt werden.</translation>
    </message>
</context>
<context>
    <name>ScheduleEdits</name>
    <message>
        <source>%1 %2 — %3</source>
        <translation>%1 um %2 — %3</translation>
    </message>
    <message>
        <source>%1 (Force)</source>
        <translation>%1 (Erzwingen)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>Keine Zeitpläne.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>Es gibt keinen Zeitplan %1.</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Entfernt: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>Es gibt bereits %n Zeitplan.</numerusform>
            <numerusform>Es gibt bereits %n Zeitpläne.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1, weckt den Computer</translation>
    </message>
</context>
<context>
    <name>ScheduleHost</name>
    <message>
        <source>Next: %1 %2</source>
        <translation>Als Nächstes: %1 %2</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and short month, as QDate::toString spells them</comment>
        <translation>d. MMM</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Jeden %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation>Als Nächstes: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Verpasst: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>&quot;%1&quot; ist keine wiederkehrende Zeit: Tage und Uhrzeit angeben, wie in &quot;mon-fri 23:30&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>&quot;%1&quot; nennt keine Tage: mon, tue, wed, thu, fri, sat, sun, Bereiche wie mon-fri, Listen wie sat,sun oder daily verwenden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>&quot;%1&quot; ist keine Uhrzeit: Stunden 0 bis 23 und Minuten 00 bis 59 verwenden, wie in 23:30</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation>%1, %2 um %3</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation>d. MMMM</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>Es kann höchstens %n Zeitplan gespeichert werden.</numerusform>
            <numerusform>Es können höchstens %n Zeitpläne gespeichert werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (statt %1, zur selben Zeit fällig)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (verschoben auf %1)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Zeitpläne</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>In dieser Sitzung antwortet keine Bildschirmsperre</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>Diese Arbeitsumgebung bietet keine Möglichkeit, den Bildschirm auszuschalten</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>es lässt sich nicht feststellen, wessen Programm antwortet: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>das laufende Programm gehört nicht Ihnen</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1 %2; wird beim Verlassen des Feldes berichtigt</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>Drehfeld</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>Pfeil nach oben oder Erhöhen zählt %1 %2 um eins hoch, Pfeil nach unten oder Verringern um eins herunter</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About Orvanta</source>
        <translation>Über Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Zeitpläne…</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1: Geben Sie den vollständigen Pfad des Programms an oder einen Namen, der in PATH zu finden ist.</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 ist kein ausführbares Programm.</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>Das Programm %1 wurde in PATH nicht gefunden.</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>Ein Anführungszeichen wird nicht geschlossen.</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>Innerhalb von Anführungszeichen darf ein Backslash nur vor &quot; ` $ oder einem weiteren Backslash stehen.</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>Ein Argument in Anführungszeichen muss dort enden, wo die Anführungszeichen enden.</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>Das Zeichen %1 hat nur für eine Shell eine Bedeutung: Setzen Sie das Argument in doppelte Anführungszeichen oder führen Sie den Befehl über sh -c aus.</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>Es wurde kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>%1 läuft (%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>%1 wurde nach %3 mit Status %2 beendet.</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>%1 ist nach %2 abgestürzt.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>%1 wurde nach %2 abgebrochen.</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>Ausgabe: %1</translation>
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
        <translation>Wenn ein Programm endet</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>Die Aktion folgt, sobald das letzte der gewählten Programme beendet ist:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>Tippen, um ein Programm zu finden</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>Programm suchen</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Laufende Programme</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>Wenn der Computer zur Ruhe kommt</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>Ruhezeit</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>Netzwerkverkehr unter</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>Wenn niemand den Computer benutzt</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>Zeit ohne Tastatur- oder Mauseingabe</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>Die Aktion folgt, wenn der Computer so lange ruhig war. Eine einzige ausgelastete CPU oder ein einziger Datenträger hält ihn beschäftigt.</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>Last jeder CPU unter</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>Eine ausgelastete CPU hält den Computer beschäftigt, ganz gleich, wie viele er hat.</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>Verkehr jedes Datenträgers unter</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>Auf dem am stärksten genutzten Datenträger gelesen und geschrieben.</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>Über alle Verbindungen zusammen empfangen und gesendet.</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>Bis ein Programm endet…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>Bis der Computer zur Ruhe kommt…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>Bis niemand den Computer benutzt…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>es gibt keinen Sitzungsbus</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>keine systemd-Benutzerinstanz antwortet</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>bei systemd %1 kann der Timer eines Benutzers den Computer nicht wecken</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>das System wurde noch nicht gefragt</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>Dieses System kann den Computer nicht zu einer Uhrzeit wecken: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1, und die Energieverwaltung von KDE kann ihn womöglich nicht wecken (ihr fehlt CAP_WAKE_ALARM)</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>der Energiesparplan erlaubt nur wichtige Reaktivierungszeitgeber (Energieoptionen, Energie sparen, Zeitgeber zur Aktivierung zulassen)</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>der Energiesparplan erlaubt keine Zeitgeber zur Aktivierung (Energieoptionen, Energie sparen, Zeitgeber zur Aktivierung zulassen)</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>es ließ sich kein Zeitgeber anlegen</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>Windows hat den Reaktivierungszeitgeber abgelehnt (Fehler %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>dieser Computer unterstützt kein Wecken per Zeitgeber</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>Warnung vor der Aktion</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Keine Warnung</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>1 Minute vorher</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n Minute vorher</numerusform>
            <numerusform>%n Minuten vorher</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>Ton und eigener Text…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>Benachrichtigungston der Arbeitsumgebung abspielen</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>z. B. Arbeit im Editor speichern</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>Eigener Text in der Warnung:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Orvanta-Warnung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Mehr Zeit</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>Der Wayland-Compositor antwortet nicht mehr.</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>Ihr Standardbrowser ließ sich nicht öffnen. Bitte rufen Sie die Adresse selbst auf:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>Windows teilt nicht mit, welche Energiezustände dieser Computer hat: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>Dieser Computer spart Energie nur, indem er den Bildschirm ausschaltet (Modern Standby).</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>Dieser Computer kann nicht in den Energiesparmodus wechseln.</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Dieser Computer kann nicht in den Ruhezustand wechseln.</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>Der Ruhezustand ist auf diesem Computer ausgeschaltet.</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>Ausführungszustand von Windows</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>Der Zeitpunkt der letzten Eingabe lässt sich nicht lesen: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>%1 kann nicht beobachtet werden: es gehört einem anderen Benutzer oder dem System.</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 ist bereits beendet.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 kann nicht beobachtet werden: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>Der X-Server teilt nicht mehr mit, wie lange niemand den Computer benutzt hat.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>%1 stammt nicht von Orvanta und bleibt unverändert: Entfernen Sie die Datei, damit Orvanta mit Ihrer Sitzung startet.</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>Der Start von Orvanta mit Ihrer Sitzung ist in den Einstellungen Ihrer Arbeitsumgebung ausgeschaltet (%1): Schalten Sie ihn dort ein.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>%1 kann nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>Startet Orvanta im Infobereich, solange ein wiederkehrender Zeitplan eingeschaltet ist</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1 ist eine Verknüpfung auf %2 und bleibt unverändert: Entfernen Sie die Verknüpfung, damit Orvanta mit Ihrer Sitzung startet.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta läuft im Infobereich weiter, um die Zeitpläne auszuführen.</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta führt die Zeitpläne aus, sobald es mit Ihrer Sitzung gestartet ist.</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>Wach halten: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>Es wird geprüft, was den Computer wach hält</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Computer wecken</translation>
    </message>
</context>
</TS>
