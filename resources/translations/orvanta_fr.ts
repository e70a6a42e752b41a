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
        <source>Disarm the running Orvanta.</source>
        <translation>Arrêter le minuteur de l’Orvanta en cours d’exécution.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up.</source>
        <translation>Afficher la fenêtre de l’Orvanta en cours d’exécution.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer after a countdown or at a time of day.</source>
        <translation>Déconnecte l’utilisateur, éteint ou redémarre l’ordinateur après un compte à rebours ou à une heure donnée.</translation>
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
        <source>choose one of --logoff, --poweroff and --reboot</source>
        <translation>choisissez une seule option parmi --logoff, --poweroff et --reboot</translation>
    </message>
    <message>
        <source>choose one of --in and --at</source>
        <translation>choisissez --in ou --at, pas les deux</translation>
    </message>
    <message>
        <source>--in, --at and --force need --logoff, --poweroff or --reboot</source>
        <translation>--in, --at et --force demandent --logoff, --poweroff ou --reboot</translation>
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
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Postpone 10 minutes</source>
        <translation>Reporter de 10 minutes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Action</source>
        <translation>Action</translation>
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
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Forcer (sans alertes des programmes, etc.)</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>Ne pas attendre que les programmes se ferment</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Après un délai</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>À heure fixe</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>Masquer la fenêtre dans la zone de notification</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
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
        <source>Warn a minute before</source>
        <translation>Avertir une minute avant</translation>
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
        <source>Main</source>
        <translation>Menu principal</translation>
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
        <source>the time was refused</source>
        <translation>l’heure indiquée a été refusée</translation>
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
        <source>Start timer</source>
        <translation>Démarrer le minuteur</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Impossible d’enregistrer les réglages dans %1&#xa0;:<byte value="xd"/>
%2</translation>
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
        <source>The system did not answer in time.</source>
        <translation>Le système n’a pas répondu à temps.</translation>
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
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
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
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>Impossible d’ouvrir votre navigateur par défaut. Veuillez vous rendre vous-même à l’adresse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Another instance of %1 is already running.<byte value="xd"/>
Closing this instance now.</source>
        <translation>Une autre instance de %1 est déjà en cours d’exécution.<byte value="xd"/>
Cette instance va maintenant se fermer.</translation>
    </message>
</context>
</TS>
