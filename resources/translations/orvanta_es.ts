<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>Este software se distribuye como FREEWARE, es decir:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>Condiciones del freeware</translation>
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
KV3 8LT, Escocia</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>Visitar la página web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ArmingController</name>
    <message>
        <source>A request is already on its way to the system.</source>
        <translation>Ya hay una solicitud en camino hacia el sistema.</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>la solicitud está en camino</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 La espera vuelve a empezar.</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>el sistema aún no ha respondido: todavía puede llevarse a cabo</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1, luego %2 más</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>Aquí no se pueden ejecutar comandos.</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>No hay ningún comando definido: introduzca uno en Archivo &gt; Comando.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>El comando agotó su tiempo límite: la acción se lleva a cabo.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>El comando agotó su tiempo límite: la acción se canceló.</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>La acción se lleva a cabo de todos modos.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>La acción se canceló.</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>El sistema aún no ha respondido a la solicitud de la programación.<byte value="xd"/>
Todavía puede ocurrir: guarde su trabajo.</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>demasiado tarde: la solicitud ya está en camino hacia el sistema</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Detenido: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>Detenido: «%1», previsto por la programación para el %2</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>Las programaciones siguen activas; la próxima ejecución será el %1.</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>No había nada armado.</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>las programaciones no están disponibles aquí</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>aquí solo se puede esperar a una hora o una cuenta atrás</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>el tiempo indicado fue rechazado</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>Esta programación se ha eliminado entretanto.</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>No se pudieron guardar las programaciones en %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta ejecuta las programaciones mientras está en marcha.</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>Mientras haya una programación activa, Orvanta se inicia con su sesión, oculto en el área de notificación.</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>Orvanta se inicia con su sesión mientras haya una programación activa.</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>El equipo no se reactivará de la suspensión para la hora programada:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>Este sistema no puede reactivar el equipo a una hora determinada.</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>Hay una acción armada para más tarde</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>El equipo se mantiene activo hasta entonces.</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 minutos</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>no hay nada armado a lo que dar más tiempo</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Línea de comandos:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet, o sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>Se ejecuta con su usuario, sin shell salvo que la línea nombre uno. «Ejecutar comando» en el marco Acción lo ejecuta en lugar de una acción.</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>Ejecutarlo antes de la acción: la acción llega cuando haya terminado</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Tiempo límite:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>Terminarlo y cancelar la acción</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>Terminarlo y actuar</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>Al llegar al límite:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>Actuar aunque el comando falle</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>Su salida y sus errores van a %1</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>Introduzca el comando que se ejecutará antes de la acción.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>Cerrar la sesión del usuario.</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>Apagar el equipo.</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>Reiniciar el equipo.</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>No dejar que otros programas retrasen la acción.</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>Cuenta atrás H:MM:SS, o un número de minutos.</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>Esperar hasta la hora HH:MM[:SS].</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>--help y --version los responde el propio programa al que se llama</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>indique cuándo: --in H:MM:SS o --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel no se puede combinar con una acción</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1: no es una cuenta atrás de 0:00:01 a 99:59:59</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1: no es una hora de 0:00:01 a 23:59:59</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>Actuar cuando el programa con ese PID, o cada programa con ese nombre, haya terminado (se puede indicar varias veces).</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>Con --when-quiet: tráfico de red por debajo de este valor (10 por defecto).</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>Actuar cuando nadie haya usado el teclado ni el ratón durante esos minutos.</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits requiere un PID o un nombre de programa</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2: no es un número de minutos de hasta una semana</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1: no es un porcentaje de 1 a 100</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1: no es un número de KB/s de 1 a 1000000</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>elija solo una de --in, --at, --when-exits, --when-quiet y --when-idle</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>Actuar cuando el uso de CPU, disco y red se haya mantenido bajo durante tantos minutos.</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>Con --when-quiet: uso de la CPU más ocupada por debajo de este valor (25 por omisión).</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>Con --when-quiet: lecturas y escrituras del disco más ocupado por debajo de este valor (1000 por omisión).</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>Desarmar el Orvanta en marcha, si hay uno.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>Mostrar la ventana del Orvanta en marcha, o iniciarlo.</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1: no es un número de KB/s entre 1 y 1000000</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu, --disk y --net van con --when-quiet</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>Suspender el equipo (Orvanta sigue en marcha).</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>Hibernar el equipo (Orvanta sigue en marcha).</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>Bloquear la pantalla.</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>Apagar la pantalla.</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>Añadir una programación que se repite, con una acción (y --force): días y una hora, por ejemplo &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>Listar las programaciones, numeradas.</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>Activar la programación N.</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>Desactivar la programación N.</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>Eliminar la programación N.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>Iniciar oculto en el área de notificación, como hace la sesión mientras haya una programación activa.</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>Mostrar qué acciones puede llevar a cabo ahora este equipo, y por qué no las demás.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>Cierra la sesión del usuario, apaga o reinicia el equipo, lo suspende, bloquea o apaga la pantalla tras una cuenta atrás, a una hora determinada o cuando termina una tarea.</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>elija una sola acción: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock o --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check se usa solo</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart se usa solo</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>elija solo una de --schedule, --schedules, --schedule-on, --schedule-off y --schedule-remove</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2: no es el número de ninguna programación</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule requiere una acción: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock o --display-off</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in, --at, --when-… y --force requieren una acción: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock o --display-off</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>días hora</translation>
    </message>
    <message>
        <source>time</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>pid|nombre</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>porcentaje</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>Con --at o --schedule: reactivar el equipo de la suspensión (no de la hibernación ni si está apagado) poco antes de la hora.</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>las opciones de programación se usan solas (--schedule con una acción, --force y --wake)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake va con --at o --schedule</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>Ejecutar esta línea de comandos en lugar de una acción de energía (Orvanta sigue en marcha); un shell solo si la línea nombra uno (sh -c &quot;…&quot;).</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>Dar más tiempo a lo que ha armado el Orvanta en marcha: H:MM o un número de minutos (una hora o una ejecución programada llega tanto más tarde, una espera actúa tanto más tarde tras terminar su tarea).</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1: no es H:MM de 0:01 a 99:59 ni un número de minutos</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone se usa solo</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>una programación no ejecuta comandos: --run va con --in, --at o --when-…</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run requiere una línea de comandos</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>A una hora fija</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>No esperar a que los programas se cierren</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Forzar (sin avisos de otros programas, etc.)</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>Ocultar la ventana en el área de notificación</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Minimizar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Reiniciar el equipo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>Iniciar el temporizador</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>Detener el temporizador</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>Momento</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Apagar el equipo</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>Solicitando…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>La solicitud está en camino hacia el sistema</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Reactivar el equipo</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Reactivar el equipo para esto</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Reactivar el equipo de la suspensión unos dos minutos antes de la hora, para que se produzcan el aviso y la acción. No puede reactivar un equipo que hiberna o está apagado.</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Más tiempo</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>Dar más tiempo a lo que está armado</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>gestor de sesión de GNOME</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>la gestión de energía del escritorio</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>el portal del escritorio</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>el bloqueo de inactividad de logind</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>El bus de mensajes del sistema no responde</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>nadie usa el equipo: %1 de %2</translation>
    </message>
    <message>
        <source>Somebody used the computer.</source>
        <translation>Alguien ha usado el equipo.</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>Este escritorio no indica cuánto tiempo lleva nadie sin usar el equipo.</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>Aún se está averiguando cómo indica este escritorio cuánto tiempo lleva nadie sin usar el equipo.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>otro programa (proceso %1) está escribiendo la configuración; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>no se puede tomar el bloqueo %1</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1; la configuración no se lee</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 no se puede escribir: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 ocupa %2, mucho más que un archivo de configuración de este programa</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>los argumentos son demasiado largos para transmitirlos</translation>
    </message>
    <message>
        <source>it ended before it took the command</source>
        <translation>terminó antes de aceptar la orden</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>No se puede leer la carga del sistema desde %1.</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>No se puede leer la carga de las CPU (estado 0x%1).</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>No se puede leer la carga de la red: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind no ha respondido: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Minimize to system tray</source>
        <translation>Minimizar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Acerca de Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar la configuración</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Cargar la configuración</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Otros programas de Brannock</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>En la Web</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta se está cerrando</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>No se pudo guardar la configuración en %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>demasiado tarde: la solicitud ya está en camino hacia el sistema</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>No se pudo cargar la configuración:<byte value="xd"/>
%1<byte value="xd"/>
Se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>El sistema aún no ha respondido.<byte value="xd"/>
Lo que se pidió todavía puede ocurrir: guarde su trabajo.</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Programaciones…</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>Mantener el equipo activo hasta entonces</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>Comando…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>Más tiempo</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 minutos</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30 minutos</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1 hora</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Otro…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>Retrasar en (H:MM):</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>El monitor de inactividad de GNOME ha desaparecido.</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>El monitor de inactividad de GNOME no ha respondido: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>Esperar a que termine un programa requiere Linux 5.3 o posterior.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 no se puede vigilar: %2</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 ya ha terminado.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>%1 no se puede vigilar: Orvanta tiene demasiados archivos abiertos.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>%1 no se puede vigilar: el sistema tiene demasiados archivos abiertos.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>%1 no se puede vigilar: el sistema no lo permite aquí.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>The user was not logged off.</source>
        <translation>No se cerró la sesión del usuario.</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>El equipo no se apagó.</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>El equipo no se reinició.</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>El sistema no lo permitió (acceso denegado).</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>Otro programa lo está impidiendo.</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>El sistema pide una contraseña y no se pudo preguntar a nadie.</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>Ningún servicio de este sistema pudo llevarlo a cabo.</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>El sistema indica que ahora no puede hacerlo.</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>No hay ningún gestor de sesión en ejecución que pueda pedir a los demás programas que guarden su trabajo. Marque «Forzar» para cerrar la sesión de todos modos.</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>El sistema lo rechazó.</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>La sesión del usuario se cerrará en %1</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>El equipo se apagará en %1</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>El equipo se reiniciará en %1</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>cierre de sesión</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>reinicio</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>a las %1</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>El sistema no respondió a tiempo, así que la petición en sí no se envió.</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Apagar el equipo</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Reiniciar el equipo</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Bloquear pantalla</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>Apagar pantalla</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>El equipo no se suspendió.</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>El equipo no hibernó.</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>La pantalla no se bloqueó.</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>La pantalla no se apagó.</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>Se solicitó, pero nada en este sistema indicó que se hubiera hecho.</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>El equipo se suspenderá en %1</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>El equipo hibernará en %1</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>La pantalla se bloqueará en %1</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>La pantalla se apagará en %1</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>suspensión</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>hibernación</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>bloqueo de pantalla</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>apagado de pantalla</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>Otra acción estaba prevista para el mismo momento y se solicitó en su lugar.</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>Ejecutar comando</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>El comando no se ejecutó.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>El comando se ejecutará en %1</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>ejecución del comando</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>Ningún gestor de sesión ni servicio del sistema puede cerrar la sesión aquí</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>Ningún servicio del sistema puede apagar el equipo aquí</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>Apagar el equipo requiere aquí una contraseña</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>Este usuario no tiene permiso para apagar el equipo</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>Este equipo no se puede apagar desde aquí</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>Ningún servicio del sistema puede reiniciar el equipo aquí</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>Reiniciar requiere aquí una contraseña</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>Este usuario no tiene permiso para reiniciar el equipo</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>Este equipo no se puede reiniciar desde aquí</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>Ningún servicio del sistema puede suspender el equipo aquí</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>Suspender requiere aquí una contraseña</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>Este usuario no tiene permiso para suspender el equipo</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>Este equipo no puede suspenderse</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>Ningún servicio del sistema puede hibernar el equipo aquí</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>Hibernar requiere aquí una contraseña</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>Este usuario no tiene permiso para hibernar el equipo</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>La hibernación está desactivada en este equipo</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>Bloqueado por «%1» (PID %2)</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>Bloqueado por «%1» (PID %2): %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n programa más</numerusform>
            <numerusform>y %n programas más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>No se eligió ningún programa al que esperar.</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>%1 ha terminado</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 sigue en ejecución</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 y %n programa más siguen en ejecución</numerusform>
            <numerusform>%1 y %n programas más siguen en ejecución</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>en reposo: %1 de %2</translation>
    </message>
    <message>
        <source>The computer is busy again.</source>
        <translation>El equipo vuelve a estar ocupado.</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>en reposo: %1 de %2 — CPU %3&#xa0;%, disco %4&#xa0;KB/s, red %5&#xa0;KB/s</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>el Registro rechazó los valores</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>«%1» estaba previsto dos veces para el mismo momento: se solicitó una sola vez.</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>«%1» se omitió: «%2» estaba previsto para el mismo momento.</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 no se puede eliminar: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 no se puede escribir: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>El inicio de Orvanta con Windows está desactivado en la configuración de inicio de Windows: actívelo en Configuración, Aplicaciones, Inicio, o en la pestaña Inicio del Administrador de tareas.</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>Ningún programa en ejecución tiene el PID %1.</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>No hay ningún programa llamado «%1» en ejecución.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Días:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>De lunes a viernes</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Acción:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Forzar (sin avisos de otros programas, etc.)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Reactivar el equipo para esto</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Reactivar el equipo de la suspensión unos dos minutos antes de la hora, para que se produzcan el aviso y la acción. No puede reactivar un equipo que hiberna o está apagado.</translation>
    </message>
</context>
<context>
    <name>ScheduleEdits</name>
    <message>
        <source>%1 %2 — %3</source>
        <translation>%1 a las %2 — %3</translation>
    </message>
    <message>
        <source>%1 (Force)</source>
        <translation>%1 (Forzar)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>activa  </translation>
    </message>
    <message>
        <source>off</source>
        <translation>inactiva</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>No hay programaciones.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>No existe la programación %1.</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Eliminada: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>Ya hay %n programación.</numerusform>
            <numerusform>Ya hay %n programaciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1, reactivando el equipo</translation>
    </message>
</context>
<context>
    <name>ScheduleHost</name>
    <message>
        <source>Next: %1 %2</source>
        <translation>Próxima: %1 %2</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and short month, as QDate::toString spells them</comment>
        <translation>d MMM</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Cada %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>Cada %1 y %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation>Próxima ejecución: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Ejecución perdida: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>&quot;%1&quot; no es una hora periódica: indique los días y la hora, como en &quot;mon-fri 23:30&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>&quot;%1&quot; no indica ningún día: use mon, tue, wed, thu, fri, sat, sun, intervalos como mon-fri, listas como sat,sun, o daily</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>&quot;%1&quot; no es una hora del día: use horas de 0 a 23 y minutos de 00 a 59, como en 23:30</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation>%1 %2 a las %3</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>No se puede guardar más de %n programación.</numerusform>
            <numerusform>No se pueden guardar más de %n programaciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (en lugar de %1, a la misma hora)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (aplazado al %1)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Programaciones</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Añadir…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>Ningún bloqueador de pantalla responde en esta sesión</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>Este escritorio no ofrece ninguna forma de apagar la pantalla</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>no se puede saber de quién es el programa que responde: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>el programa en marcha no es suyo</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Hora fija</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1 %2; se corrige al salir del campo</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>selector</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>Flecha arriba o Aumentar suma uno a %1 %2; flecha abajo o Disminuir resta uno</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About Orvanta</source>
        <translation>Acerca de Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Programaciones…</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1: indique la ruta completa del programa o un nombre que esté en PATH.</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 no es un programa que se pueda ejecutar.</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>No se encontró el programa %1 en PATH.</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>Hay unas comillas sin cerrar.</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>Entre comillas, una barra invertida solo puede ir delante de &quot; ` $ u otra barra invertida.</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>Un argumento entre comillas debe terminar donde terminan las comillas.</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>El carácter %1 solo tiene significado para un shell: ponga el argumento entre comillas dobles o ejecute el comando mediante sh -c.</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>No se indicó ningún comando.</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>ejecución de %1 (%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>%1 terminó con el estado %2 tras %3.</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>%1 se cerró inesperadamente tras %2.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 no se pudo iniciar: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>%1 fue terminado tras %2.</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>Salida: %1</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation>Cuando termine un programa</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>La acción se realiza cuando haya terminado el último de los programas elegidos:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>Escriba para buscar un programa</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>Buscar un programa</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Programas en ejecución</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>Cuando el equipo esté en reposo</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>En reposo durante</translation>
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
        <translation>Tráfico de red por debajo de</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>Cuando nadie use el equipo</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>Sin usar teclado ni ratón durante</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>La acción llega cuando el equipo ha estado en reposo este tiempo. Una sola CPU o un solo disco ocupado lo mantiene ocupado.</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>Uso de cada CPU por debajo de</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>Una CPU ocupada mantiene ocupado el equipo, tenga las que tenga.</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>Tráfico de cada disco por debajo de</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>Leído y escrito en el disco más ocupado.</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>Recibido y enviado por todas las conexiones juntas.</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>Esperar</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>Hasta que termine un programa…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>Hasta que el equipo esté en reposo…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>Hasta que nadie use el equipo…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>no responde ningún gestor de usuario de systemd</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>systemd %1 no permite que el temporizador de un usuario reactive el equipo</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>aún no se ha consultado al sistema</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>Este sistema no puede reactivar el equipo a una hora determinada: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1, y puede que la gestión de energía de KDE no lo reactive (le falta CAP_WAKE_ALARM)</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>el plan de energía solo permite temporizadores de reactivación importantes (Opciones de energía, Suspender, Permitir temporizadores de reactivación)</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>el plan de energía no permite temporizadores de reactivación (Opciones de energía, Suspender, Permitir temporizadores de reactivación)</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>no se pudo crear ningún temporizador</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>Windows rechazó el temporizador de reactivación (error %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>este equipo no admite la reactivación mediante temporizador</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>Aviso antes de la acción</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Sin aviso</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>1 minuto antes</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n minuto antes</numerusform>
            <numerusform>%n minutos antes</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>Sonido y texto propio…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>Reproducir el sonido de notificación del escritorio</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>p. ej., Guarde su trabajo en el editor</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>Su propio texto en el aviso:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Aviso de Orvanta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Más tiempo</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>El compositor de Wayland ya no responde.</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>No se pudo abrir su navegador predeterminado. Vaya usted mismo a la dirección:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>Windows no indica qué estados de energía tiene este equipo: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>Este equipo solo se suspende apagando la pantalla (Modern Standby).</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>Este equipo no puede suspenderse.</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Este equipo no puede hibernar.</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>La hibernación está desactivada en este equipo.</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>el estado de ejecución de Windows</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>No se puede leer la hora de la última entrada: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>%1 no se puede vigilar: pertenece a otro usuario o al sistema.</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 ya ha terminado.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 no se puede vigilar: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>El servidor X ya no indica cuánto tiempo lleva nadie sin usar el equipo.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>%1 no lo escribió Orvanta y se deja como está: elimínelo para que Orvanta se inicie con su sesión.</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>El inicio de Orvanta con su sesión está desactivado en la configuración de su escritorio (%1): actívelo allí.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>%1 no se puede eliminar: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>Inicia Orvanta en el área de notificación mientras haya una programación periódica activa</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 no se puede escribir: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1 es un enlace a %2 y se deja como está: elimine el enlace para que Orvanta se inicie con su sesión.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta sigue en marcha en el área de notificación para ejecutar las programaciones.</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta ejecutará las programaciones en cuanto se inicie con su sesión.</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>Mantener activo: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>Comprobando qué mantiene activo el equipo</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Reactivar el equipo</translation>
    </message>
</context>
</TS>
