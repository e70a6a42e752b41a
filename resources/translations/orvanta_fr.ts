<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos d’%1</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>Ce logiciel est distribué en FREEWARE, c’est-à-dire&#xa0;:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>Conditions du freeware</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Écosse</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>Visiter la page d’accueil</translation>
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
        <translation>Une demande est déjà en cours auprès du système.</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>la demande est en cours</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 L’attente recommence.</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>pas encore de réponse du système&#xa0;: la demande peut encore être exécutée</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1, puis encore %2</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>Les commandes ne peuvent pas être exécutées ici.</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>Aucune commande n’est définie&#xa0;: saisissez-en une dans Fichier &gt; Commande.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>La commande a atteint sa limite de temps&#xa0;: l’action a lieu.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>La commande a atteint sa limite de temps&#xa0;: l’action a été annulée.</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>L’action a lieu malgré tout.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>L’action a été annulée.</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>Le système n’a pas encore répondu à la demande de la planification.<byte value="xd"/>
Elle peut encore aboutir&#xa0;: enregistrez votre travail.</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>trop tard&#xa0;: la demande est déjà en cours auprès du système</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Arrêté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>Arrêté&#xa0;: «&#xa0;%1&#xa0;», prévu par la planification pour %2</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>Les planifications restent actives&#xa0;; la prochaine exécution aura lieu %1.</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>Rien n’était armé.</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>les planifications ne sont pas disponibles ici</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>les attentes autres que l’heure ne sont pas disponibles ici</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>l’heure indiquée a été refusée</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>Cette planification a été supprimée entre-temps.</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Impossible d’enregistrer les planifications dans %1&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta exécute les planifications tant qu’il est lancé.</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>Tant qu’une planification est active, Orvanta démarre avec votre session, masqué dans la zone de notification.</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>Orvanta démarre avec votre session tant qu’une planification est active.</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>L’ordinateur ne sera pas sorti de veille pour l’heure programmée&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>Ce système ne peut pas réveiller l’ordinateur à une heure donnée.</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>Une action est armée pour plus tard</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>L’ordinateur est maintenu éveillé jusque-là.</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 minutes</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>rien d’armé ne peut être prolongé</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Ligne de commande&#xa0;:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet, ou sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>Exécutée sous votre compte, sans shell sauf si la ligne en nomme un. «&#xa0;Lancer une commande&#xa0;» dans le cadre Action l’exécute à la place d’une action.</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>L’exécuter avant l’action&#xa0;: l’action suit quand elle s’est terminée</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Limite de temps&#xa0;:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>L’arrêter et annuler l’action</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>L’arrêter et agir</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>À la limite&#xa0;:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>Agir même si la commande échoue</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>Sa sortie et ses erreurs vont dans %1</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>Saisissez la commande à exécuter avant l’action.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>Déconnecter l’utilisateur.</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>Éteindre l’ordinateur.</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>Redémarrer l’ordinateur.</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>Ne pas laisser les autres programmes retarder l’action.</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>Compte à rebours H:MM:SS, ou un nombre de minutes.</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>Attendre l’heure HH:MM[:SS].</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>--help et --version sont traités par le programme appelé lui-même</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>indiquez quand&#xa0;: --in H:MM:SS ou --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel ne se combine pas avec une action</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1&#xa0;: pas un compte à rebours de 0:00:01 à 99:59:59</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1&#xa0;: pas une heure de 0:00:01 à 23:59:59</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>Agir quand le programme de ce PID, ou chaque programme de ce nom, s’est terminé (option répétable).</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>Avec --when-quiet&#xa0;: trafic réseau sous cette valeur (10 par défaut).</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>Agir quand personne n’a utilisé le clavier ni la souris pendant ce nombre de minutes.</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits demande un PID ou un nom de programme</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2&#xa0;: pas un nombre de minutes jusqu’à une semaine</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1&#xa0;: pas un pourcentage de 1 à 100</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1&#xa0;: pas un nombre de Ko/s de 1 à 1000000</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>choisissez une seule option parmi --in, --at, --when-exits, --when-quiet et --when-idle</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>Agir quand processeur, disque et réseau sont restés peu sollicités pendant autant de minutes.</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>Avec --when-quiet&#xa0;: charge du processeur le plus occupé sous cette valeur (25 par défaut).</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>Avec --when-quiet&#xa0;: lectures et écritures du disque le plus occupé sous cette valeur (1000 par défaut).</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>Désarmer l’Orvanta en cours, s’il y en a un.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>Afficher la fenêtre de l’Orvanta en cours, ou le lancer.</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1&#xa0;: pas un nombre de Ko/s de 1 à 1000000</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu, --disk et --net vont avec --when-quiet</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>Mettre l’ordinateur en veille (Orvanta reste actif).</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>Mettre l’ordinateur en veille prolongée (Orvanta reste actif).</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>Verrouiller l’écran.</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>Éteindre l’écran.</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>Ajouter une planification répétée, avec une action (et --force)&#xa0;: des jours et une heure, par exemple &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>Lister les planifications, numérotées.</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>Activer la planification N.</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>Désactiver la planification N.</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>Supprimer la planification N.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>Démarrer masqué dans la zone de notification, comme le fait la session tant qu’une planification est active.</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>Afficher les actions que cet ordinateur peut exécuter maintenant, et pourquoi pas les autres.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>Ferme la session, éteint ou redémarre l’ordinateur, le met en veille, verrouille ou éteint l’écran après un délai, à une heure donnée ou quand une tâche est terminée.</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>choisissez une seule action&#xa0;: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ou --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check s’emploie seul</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart s’emploie seul</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>choisissez une seule option parmi --schedule, --schedules, --schedule-on, --schedule-off et --schedule-remove</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2&#xa0;: pas un numéro de planification</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule demande une action&#xa0;: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ou --display-off</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in, --at, --when-… et --force demandent une action&#xa0;: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ou --display-off</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>jours heure</translation>
    </message>
    <message>
        <source>time</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>pid|nom</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pourcentage</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>Avec --at ou --schedule&#xa0;: sortir l’ordinateur de veille (pas de la veille prolongée, ni s’il est éteint) peu avant l’heure.</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>les options de planification s’emploient seules (--schedule avec une action, --force et --wake)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake va avec --at ou --schedule</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>Exécuter cette ligne de commande au lieu d’une action d’alimentation (Orvanta reste actif)&#xa0;; un shell seulement si la ligne en nomme un (sh -c &quot;…&quot;).</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>Prolonger ce qu’a armé l’Orvanta en cours&#xa0;: H:MM, ou un nombre de minutes (une heure ou une exécution planifiée arrive d’autant plus tard, une attente agit d’autant plus longtemps après la fin de sa tâche).</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1&#xa0;: ni H:MM de 0:01 à 99:59, ni un nombre de minutes</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone s’emploie seul</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>une planification n’exécute pas de commande&#xa0;: --run va avec --in, --at ou --when-…</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run demande une ligne de commande</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>À heure fixe</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Après un délai</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>Ne pas attendre que les programmes se ferment</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Forcer (sans alertes des programmes, etc.)</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>Masquer la fenêtre dans la zone de notification</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>Démarrer le minuteur</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>Arrêter le minuteur</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>Demande en cours…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>La demande est en cours auprès du système</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Réveiller l’ordinateur</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Réveiller l’ordinateur pour cela</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Sortir l’ordinateur de veille environ deux minutes avant l’heure, pour que l’avertissement et l’action aient lieu. Un ordinateur en veille prolongée ou éteint ne peut pas être réveillé.</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Prolonger</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>Prolonger ce qui est armé</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>gestionnaire de session GNOME</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>la gestion de l’alimentation du bureau</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>le portail du bureau</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>le verrou d’inactivité de logind</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>Le bus de messages du système ne répond pas</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>personne à l’ordinateur depuis %1 sur %2</translation>
    </message>
    <message>
        <source>Somebody used the computer.</source>
        <translation>Quelqu’un a utilisé l’ordinateur.</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>Cet environnement de bureau n’indique pas depuis quand personne n’a utilisé l’ordinateur.</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>Recherche en cours de la façon dont cet environnement indique depuis quand personne n’a utilisé l’ordinateur.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>un autre programme (processus %1) écrit les réglages&#xa0;; réessayez</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>le verrou %1 ne peut pas être pris</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1&#xa0;; les réglages ne sont pas lus</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 occupe %2, bien plus qu’un fichier de réglages de ce programme</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>les arguments sont trop longs pour être transmis</translation>
    </message>
    <message>
        <source>it ended before it took the command</source>
        <translation>il s&apos;est terminé avant de prendre la commande</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>La charge du système ne peut pas être lue dans %1.</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>La charge des processeurs ne peut pas être lue (état 0x%1).</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>La charge du réseau ne peut pas être lue&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind n’a pas répondu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Minimize to system tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>À propos d’Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Charger les réglages</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Autres programmes de Brannock</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>Sur le Web</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta est en train de se fermer</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Impossible d’enregistrer les réglages dans %1&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>trop tard&#xa0;: la demande est déjà en cours auprès du système</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>Impossible de charger les réglages&#xa0;:<byte value="xd"/>
%1<byte value="xd"/>
Les valeurs par défaut sont utilisées.</translation>
    </message>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>Le système n’a pas encore répondu.<byte value="xd"/>
Ce qui a été demandé peut encore se produire&#xa0;: enregistrez votre travail.</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Planifications…</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>Garder l’ordinateur éveillé jusque-là</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>Commande…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>Prolonger</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 minutes</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30 minutes</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1 heure</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Autre…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>Prolonger de (H:MM)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>Le moniteur d’inactivité de GNOME a disparu.</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>Le moniteur d’inactivité de GNOME n’a pas répondu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>Attendre la fin d’un programme demande Linux 5.3 ou plus récent.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 ne peut pas être surveillé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 s’est déjà terminé.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>%1 ne peut pas être surveillé&#xa0;: Orvanta a trop de fichiers ouverts.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>%1 ne peut pas être surveillé&#xa0;: le système a trop de fichiers ouverts.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>%1 ne peut pas être surveillé&#xa0;: le système ne le permet pas ici.</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>The user was not logged off.</source>
        <translation>L’utilisateur n’a pas été déconnecté.</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>L’ordinateur n’a pas été éteint.</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>L’ordinateur n’a pas été redémarré.</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>Le système ne l’a pas permis (accès refusé).</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>Un autre programme l’en empêche.</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>Le système demande un mot de passe, et personne n’a pu être sollicité.</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>Aucun service de ce système n’a pu s’en charger.</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>Le système indique qu’il ne peut pas le faire maintenant.</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>Aucun gestionnaire de session n’est en cours d’exécution pour demander aux autres programmes d’enregistrer leur travail. Cochez «&#xa0;Forcer&#xa0;» pour fermer la session malgré tout.</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>Le système l’a refusé.</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>L’utilisateur sera déconnecté dans %1</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>L’ordinateur s’éteindra dans %1</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>L’ordinateur redémarrera dans %1</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>déconnexion</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>extinction</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>redémarrage</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>Le système n’a pas répondu à temps&#xa0;; la demande elle-même n’a donc pas été envoyée.</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Veille prolongée</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Verrouiller l’écran</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>Éteindre l’écran</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>L’ordinateur ne s’est pas mis en veille.</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>L’ordinateur ne s’est pas mis en veille prolongée.</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>L’écran n’a pas été verrouillé.</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>L’écran n’a pas été éteint.</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>L’action a été demandée, mais rien sur ce système n’a indiqué qu’elle a eu lieu.</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>L’ordinateur se mettra en veille dans %1</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>L’ordinateur se mettra en veille prolongée dans %1</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>L’écran sera verrouillé dans %1</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>L’écran s’éteindra dans %1</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>mise en veille</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>mise en veille prolongée</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>verrouillage de l’écran</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>extinction de l’écran</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>Une autre action était prévue au même moment et a été demandée à sa place.</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>Lancer une commande</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>La commande n’a pas été exécutée.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>La commande sera exécutée dans %1</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>exécution de la commande</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>Aucun gestionnaire de session ni service système ne peut fermer la session ici</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>Aucun service système ne peut éteindre l’ordinateur ici</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>Éteindre l’ordinateur demande ici un mot de passe</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>Cet utilisateur n’a pas le droit d’éteindre l’ordinateur</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>Cet ordinateur ne peut pas être éteint d’ici</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>Aucun service système ne peut redémarrer l’ordinateur ici</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>Redémarrer demande ici un mot de passe</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>Cet utilisateur n’a pas le droit de redémarrer l’ordinateur</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>Cet ordinateur ne peut pas être redémarré d’ici</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>Aucun service système ne peut mettre l’ordinateur en veille ici</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>La mise en veille demande ici un mot de passe</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>Cet utilisateur n’a pas le droit de mettre l’ordinateur en veille</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>Cet ordinateur ne peut pas se mettre en veille</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>Aucun service système ne peut mettre l’ordinateur en veille prolongée ici</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>La mise en veille prolongée demande ici un mot de passe</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>Cet utilisateur n’a pas le droit de mettre l’ordinateur en veille prolongée</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>La veille prolongée est désactivée sur cet ordinateur</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>Bloqué par «&#xa0;%1&#xa0;» (PID %2)</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>Bloqué par «&#xa0;%1&#xa0;» (PID %2)&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre programme</numerusform>
            <numerusform>et %n autres programmes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>Aucun programme à attendre n’a été choisi.</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>%1 s’est terminé</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 toujours en cours d’exécution</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 et %n autre programme toujours en cours d’exécution</numerusform>
            <numerusform>%1 et %n autres programmes toujours en cours d’exécution</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>au repos depuis %1 sur %2</translation>
    </message>
    <message>
        <source>The computer is busy again.</source>
        <translation>L’ordinateur est de nouveau occupé.</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>au repos depuis %1 sur %2 — processeur %3&#xa0;%, disque %4&#xa0;Ko/s, réseau %5&#xa0;Ko/s</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>le Registre a refusé les valeurs</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>«&#xa0;%1&#xa0;» était prévu deux fois au même moment&#xa0;: l’action n’a été demandée qu’une fois.</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>«&#xa0;%1&#xa0;» a été écarté&#xa0;: «&#xa0;%2&#xa0;» était prévu au même moment.</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 ne peut pas être supprimé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>Le démarrage d’Orvanta avec Windows est désactivé dans les paramètres de démarrage de Windows&#xa0;: activez-le dans Paramètres, Applications, Démarrage, ou dans l’onglet Démarrage du Gestionnaire des tâches.</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>Aucun programme en cours d’exécution n’a le PID %1.</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>Aucun programme nommé «&#xa0;%1&#xa0;» n’est en cours d’exécution.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Planification</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Jours&#xa0;:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Du lundi au vendredi</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Action&#xa0;:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Forcer (sans alertes des programmes, etc.)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Réveiller l’ordinateur pour cela</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Sortir l’ordinateur de veille environ deux minutes avant l’heure, pour que l’avertissement et l’action aient lieu. Un ordinateur en veille prolongée ou éteint ne peut pas être réveillé.</translation>
    </message>
</context>
<context>
    <name>ScheduleEdits</name>
    <message>
        <source>%1 %2 — %3</source>
        <translation>%1 à %2 — %3</translation>
    </message>
    <message>
        <source>%1 (Force)</source>
        <translation>%1 (Forcer)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>active  </translation>
    </message>
    <message>
        <source>off</source>
        <translation>inactive</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>Aucune planification.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>Il n’y a pas de planification %1.</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Supprimée&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>Il y a déjà %n planification.</numerusform>
            <numerusform>Il y a déjà %n planifications.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1, avec réveil de l’ordinateur</translation>
    </message>
</context>
<context>
    <name>ScheduleHost</name>
    <message>
        <source>Next: %1 %2</source>
        <translation>Prochaine&#xa0;: %1 %2</translation>
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
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Chaque %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>Le %1 et le %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation>Prochaine exécution&#xa0;: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Exécution manquée&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>&quot;%1&quot; n’est pas une heure récurrente&#xa0;: indiquez les jours et l’heure, comme dans &quot;mon-fri 23:30&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>&quot;%1&quot; ne désigne aucun jour&#xa0;: utilisez mon, tue, wed, thu, fri, sat, sun, des plages comme mon-fri, des listes comme sat,sun, ou daily</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>&quot;%1&quot; n’est pas une heure&#xa0;: utilisez des heures de 0 à 23 et des minutes de 00 à 59, comme dans 23:30</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation>%1 %2 à %3</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation>d MMMM</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>Impossible de conserver plus de %n planification.</numerusform>
            <numerusform>Impossible de conserver plus de %n planifications.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (remplace %1, à la même heure)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (repoussé à %1)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Planifications</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>Aucun programme de verrouillage d’écran ne répond dans cette session</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>Cet environnement de bureau n’offre aucun moyen d’éteindre l’écran</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>impossible de savoir à qui appartient le programme qui répond&#xa0;: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>le programme en cours ne vous appartient pas</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure fixe</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1 %2&#xa0;; corrigé quand vous quittez le champ</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>sélecteur</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>Flèche haut ou Augmenter ajoute un à %1 %2, flèche bas ou Diminuer en retire un</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>About Orvanta</source>
        <translation>À propos d’Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Planifications…</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1&#xa0;: indiquez le chemin complet du programme, ou un nom présent dans le PATH.</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 n’est pas un programme exécutable.</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>Le programme %1 est introuvable dans le PATH.</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>Un guillemet n’est pas fermé.</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>Entre guillemets, une barre oblique inverse ne peut précéder que &quot; ` $ ou une autre barre oblique inverse.</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>Un argument entre guillemets doit se terminer là où se ferment les guillemets.</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>Le caractère %1 n’a de sens que pour un shell&#xa0;: mettez l’argument entre guillemets doubles, ou exécutez la commande via sh -c.</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>Aucune commande n’a été indiquée.</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>exécution de %1 (%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>%1 s’est terminé avec le code %2 après %3.</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>%1 s’est arrêté brutalement après %2.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 n’a pas pu être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>%1 a été arrêté après %2.</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>Sortie&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation>À la fin d’un programme</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>L’action suit dès que le dernier des programmes choisis s’est terminé&#xa0;:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>Tapez pour trouver un programme</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>Trouver un programme</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Programmes en cours d’exécution</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>Quand l’ordinateur est au repos</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>Au repos pendant</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> %</source>
        <translation>&#xa0;%</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>Trafic réseau sous</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation>&#xa0;Ko/s</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>Quand personne n’utilise l’ordinateur</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>Aucune saisie au clavier ni à la souris pendant</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>L’action suit quand l’ordinateur est resté au repos aussi longtemps. Un seul processeur ou disque occupé suffit à le garder occupé.</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>Charge de chaque processeur sous</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>Un seul processeur occupé garde l’ordinateur occupé, quel que soit leur nombre.</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>Trafic de chaque disque sous</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>Lu et écrit sur le disque le plus occupé.</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>Reçu et envoyé sur toutes les connexions ensemble.</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>Attendre</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>Jusqu’à la fin d’un programme…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>Jusqu’à ce que l’ordinateur soit au repos…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>Jusqu’à ce que personne n’utilise l’ordinateur…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>il n’y a pas de bus de session</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>aucun gestionnaire utilisateur de systemd ne répond</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>systemd %1 ne permet pas au minuteur d’un utilisateur de réveiller l’ordinateur</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>le système n’a pas encore été interrogé</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>Ce système ne peut pas réveiller l’ordinateur à une heure donnée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1, et la gestion de l’alimentation de KDE risque de ne pas le réveiller (il lui manque CAP_WAKE_ALARM)</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>le mode de gestion de l’alimentation n’autorise que les minuteurs de mise en éveil importants (Options d’alimentation, Veille, Autoriser les minuteurs de mise en éveil)</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>le mode de gestion de l’alimentation n’autorise pas les minuteurs de mise en éveil (Options d’alimentation, Veille, Autoriser les minuteurs de mise en éveil)</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>aucun minuteur n’a pu être créé</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>Windows a refusé le minuteur de mise en éveil (erreur %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>cet ordinateur ne permet pas le réveil par un minuteur</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>Avertissement avant l’action</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Aucun avertissement</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>1 minute avant</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n minute avant</numerusform>
            <numerusform>%n minutes avant</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>Son et texte personnel…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>Jouer le son de notification du bureau</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>p. ex. Enregistrez votre travail dans l’éditeur</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>Votre texte dans l’avertissement&#xa0;:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Avertissement d’Orvanta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Prolonger</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>Le compositeur Wayland ne répond plus.</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>Impossible d’ouvrir votre navigateur par défaut. Veuillez vous rendre vous-même à l’adresse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>Windows n’indique pas les états d’alimentation de cet ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>Cet ordinateur ne se met en veille qu’en éteignant son écran (veille moderne).</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>Cet ordinateur ne peut pas se mettre en veille.</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Cet ordinateur ne peut pas se mettre en veille prolongée.</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>La veille prolongée est désactivée sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>l’état d’exécution de Windows</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>L’heure de la dernière saisie ne peut pas être lue&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>%1 ne peut pas être surveillé&#xa0;: il appartient à un autre utilisateur ou au système.</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 s’est déjà terminé.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 ne peut pas être surveillé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>Le serveur X n’indique plus depuis quand personne n’a utilisé l’ordinateur.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>%1 n’a pas été écrit par Orvanta et reste tel quel&#xa0;: supprimez-le pour qu’Orvanta démarre avec votre session.</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>Le démarrage d’Orvanta avec votre session est désactivé dans les paramètres de votre environnement de bureau (%1)&#xa0;: activez-le à cet endroit.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>%1 ne peut pas être supprimé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>Démarre Orvanta dans la zone de notification tant qu’une planification répétée est active</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1 est un lien vers %2 et reste tel quel&#xa0;: supprimez le lien pour qu’Orvanta démarre avec votre session.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta reste actif dans la zone de notification pour exécuter les planifications.</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta exécutera les planifications dès qu’il sera lancé avec votre session.</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>Maintien éveillé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>Recherche de ce qui garde l’ordinateur éveillé</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Réveiller l’ordinateur</translation>
    </message>
</context>
</TS>
