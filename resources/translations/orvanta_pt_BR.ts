<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>Este programa é distribuído como FREEWARE, ou seja:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>Aviso de FREEWARE</translation>
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
KV3 8LT, Escócia</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>Visitar a página inicial</translation>
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
        <translation>Uma solicitação já foi enviada ao sistema.</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 A espera recomeça.</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>ainda sem resposta do sistema: a ação ainda pode ser executada</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>a solicitação foi enviada</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1, depois mais %2</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>Não é possível executar comandos aqui.</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>Nenhum comando definido: informe um em Arquivo &gt; Comando.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>O comando atingiu o tempo limite: a ação será executada.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>O comando atingiu o tempo limite: a ação foi cancelada.</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>A ação será executada mesmo assim.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>A ação foi cancelada.</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>O sistema ainda não respondeu à solicitação do agendamento.<byte value="xd"/>
A ação ainda pode acontecer: salve seu trabalho.</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>tarde demais: a solicitação já foi enviada ao sistema</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Interrompido: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>Interrompido: “%1”, agendado para %2</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>Os agendamentos continuam ativos; o próximo é %1.</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>Nada estava programado.</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>agendamentos não estão disponíveis aqui</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>aqui só está disponível a espera por horário</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>o horário foi recusado</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>Este agendamento foi removido nesse meio-tempo.</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Não foi possível salvar os agendamentos em %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>O Orvanta executa os agendamentos enquanto estiver em execução.</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>Enquanto houver um agendamento ativo, o Orvanta inicia com a sua sessão, oculto na área de notificação.</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>O Orvanta inicia com a sua sessão enquanto houver um agendamento ativo.</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>O computador não será ativado da suspensão para o horário definido:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>Este sistema não pode ativar o computador em um horário definido.</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>Há uma ação programada para mais tarde</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>Até lá, o computador será mantido ativo.</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 minutos</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>não há nada programado que possa receber mais tempo</translation>
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
        <translation>Linha de comando:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet, ou sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>É executado com o seu usuário, sem shell, a menos que a linha indique um. “Executar comando” no quadro Ação o executa no lugar de uma ação.</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>Executá-lo antes da ação: a ação vem quando ele terminar</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Tempo limite:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>Encerrá-lo e cancelar a ação</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>Encerrá-lo e executar a ação</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>Ao atingir o limite:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>Executar a ação mesmo se o comando falhar</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>A saída e os erros vão para %1</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>Informe o comando a executar antes da ação.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>Encerrar a sessão do usuário.</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>Desligar o computador.</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>Reiniciar o computador.</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>Suspender o computador (o Orvanta continua em execução).</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>Hibernar o computador (o Orvanta continua em execução).</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>Bloquear a tela.</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>Desligar a tela.</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>Adicionar um agendamento que se repete, com uma ação (e --force): dias e horário, por exemplo &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>Listar os agendamentos, numerados.</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>Ativar o agendamento N.</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>Desativar o agendamento N.</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>Remover o agendamento N.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>Iniciar oculto na área de notificação, como faz a sessão enquanto houver um agendamento ativo.</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>Mostrar quais ações este computador pode executar agora e por que não as demais.</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>Não deixar que outros programas atrasem a ação.</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>Contagem regressiva H:MM:SS ou um número de minutos.</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>Aguardar o horário HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>Agir quando o programa com esse PID, ou todos os programas com esse nome, tiverem terminado (pode ser indicado mais de uma vez).</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>Agir quando o uso de CPU, disco e rede tiver ficado baixo durante esse número de minutos.</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>Com --when-quiet: uso da CPU mais ocupada abaixo deste valor (padrão 25).</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>Com --when-quiet: leituras e gravações do disco mais ocupado abaixo deste valor (padrão 1000).</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>Com --when-quiet: tráfego de rede abaixo deste valor (padrão 10).</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>Agir quando ninguém tiver usado o teclado ou o mouse durante esse número de minutos.</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>Cancelar a espera do Orvanta em execução, se houver um.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>Trazer para a frente a janela do Orvanta em execução ou iniciá-lo.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>Encerra a sessão do usuário, desliga ou reinicia o computador, suspende-o, bloqueia ou desliga a tela após uma contagem regressiva, em um horário ou quando uma tarefa termina.</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits requer um PID ou o nome de um programa</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2: não é um número de minutos de até uma semana</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1: não é uma porcentagem de 1 a 100</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1: não é um número de KB/s de 1 a 1000000</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1: não é um número de KB/s de 1 a 1000000</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>--help e --version são respondidos pelo próprio programa chamado</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>escolha uma ação: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ou --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check é usado sozinho</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart é usado sozinho</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>escolha apenas um entre --schedule, --schedules, --schedule-on, --schedule-off e --schedule-remove</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2: não é o número de um agendamento</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule requer uma ação: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ou --display-off</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>escolha apenas um entre --in, --at, --when-exits, --when-quiet e --when-idle</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu, --disk e --net são usados com --when-quiet</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in, --at, --when-… e --force requerem uma ação: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ou --display-off</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>diga quando: --in H:MM:SS ou --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel não pode ser combinado com uma ação</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1: não é uma contagem regressiva de 0:00:01 a 99:59:59</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1: não é um horário de 0:00:01 a 23:59:59</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>dias hora</translation>
    </message>
    <message>
        <source>time</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>pid|nome</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>porcentagem</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>Com --at ou --schedule: ativar o computador da suspensão (não da hibernação nem quando desligado) pouco antes do horário.</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>as opções de agendamento são usadas sozinhas (--schedule com uma ação, --force e --wake)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake é usado com --at ou --schedule</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>Executar esta linha de comando em vez de uma ação de energia (o Orvanta continua em execução); um shell só quando a linha indicar um (sh -c &quot;…&quot;).</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>Dar mais tempo ao que o Orvanta em execução programou: H:MM ou um número de minutos (um horário ou uma ocorrência de agendamento chega esse tanto mais tarde; uma espera age esse tanto mais tarde depois que sua tarefa termina).</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1: não é H:MM de 0:01 a 99:59 nem um número de minutos</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone é usado sozinho</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>um agendamento não executa comandos: --run é usado com --in, --at ou --when-…</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run requer uma linha de comando</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Encerrar sessão</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Forçar (sem avisos de programas etc.)</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>Não esperar que os programas sejam fechados</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>Momento</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>Horário fixo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Minimizar para a área de notificação</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>Ocultar a janela na área de notificação</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>Iniciar o temporizador</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>Parar o temporizador</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>Solicitando…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>A solicitação foi enviada ao sistema</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Sair da suspensão</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Ativar o computador para esta ação</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Ativa o computador da suspensão cerca de dois minutos antes do horário, para que o aviso e a ação aconteçam. Não é possível ativar um computador em hibernação ou desligado.</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Mais tempo</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>Dar mais tempo ao que está programado</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>gerenciador de sessão do GNOME</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>gerenciamento de energia da área de trabalho</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>portal da área de trabalho</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>bloqueio de ociosidade do logind</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>O barramento de mensagens do sistema não responde</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>Somebody used the computer.</source>
        <translation>Alguém usou o computador.</translation>
    </message>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>computador ocioso: %1 de %2</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>Este ambiente de trabalho não informa há quanto tempo o computador está ocioso.</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>Ainda verificando como este ambiente de trabalho informa há quanto tempo o computador está ocioso.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>outro programa (processo %1) está gravando as configurações; tente novamente</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>não é possível obter o bloqueio %1</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1; as configurações não foram lidas</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 ocupa %2, muito mais que um arquivo de configurações deste programa</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>it ended before it took the command</source>
        <translation>ele terminou antes de receber o comando</translation>
    </message>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>os argumentos são longos demais para serem repassados</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>Não é possível ler a carga do sistema em %1.</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>Não é possível ler a carga das CPUs (status 0x%1).</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>Não é possível ler a carga da rede: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>o logind não respondeu: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>O sistema ainda não respondeu.<byte value="xd"/>
O que foi solicitado ainda pode acontecer: salve seu trabalho.</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Minimizar para a área de notificação</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Sobre o Orvanta</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Outros programas de Brannock</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Agendamentos…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>Na Web</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>tarde demais: a solicitação já foi enviada ao sistema</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>O Orvanta está sendo fechado</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salvar configurações</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Carregar configurações</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Não foi possível salvar as configurações em %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>Não foi possível carregar as configurações:<byte value="xd"/>
%1<byte value="xd"/>
Serão usados os valores padrão.</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>Manter o computador ativo até a ação</translation>
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
        <translation>Mais tempo</translation>
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
        <translation>Outro…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>Adiar em (H:MM):</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>O monitor de ociosidade do GNOME desapareceu.</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>O monitor de ociosidade do GNOME não respondeu: %1</translation>
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
        <source>%1 has already ended.</source>
        <translation>%1 já terminou.</translation>
    </message>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>Aguardar o término de um programa requer Linux 5.3 ou mais recente.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>Não é possível monitorar %1: o Orvanta tem arquivos abertos demais.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>Não é possível monitorar %1: o sistema tem arquivos abertos demais.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>Não é possível monitorar %1: o sistema não permite isso aqui.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>Não é possível monitorar %1: %2</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Log off user</source>
        <translation>Encerrar sessão</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Reiniciar</translation>
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
        <translation>Bloquear a tela</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>Desligar a tela</translation>
    </message>
    <message>
        <source>The user was not logged off.</source>
        <translation>A sessão do usuário não foi encerrada.</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>O computador não foi desligado.</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>O computador não foi reiniciado.</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>O computador não foi suspenso.</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>O computador não hibernou.</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>A tela não foi bloqueada.</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>A tela não foi desligada.</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>O sistema não permitiu (acesso negado).</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>Outro programa está impedindo.</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>O sistema exige uma senha para isso, e não havia ninguém a quem pedir.</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>Nenhum serviço deste sistema pôde executar a ação.</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>O sistema não respondeu a tempo, então a própria solicitação não foi enviada.</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>O sistema informa que não pode fazer isso agora.</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>Não há um gerenciador de sessão em execução que possa pedir aos outros programas que salvem o trabalho. Marque “Forçar” para encerrar a sessão mesmo assim.</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>A ação foi solicitada, mas nada neste sistema informou que ela foi executada.</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>Outra ação estava marcada para o mesmo momento e foi solicitada no lugar desta.</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>O sistema recusou.</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>A sessão do usuário será encerrada em %1</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>O computador será desligado em %1</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>O computador será reiniciado em %1</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>O computador será suspenso em %1</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>O computador hibernará em %1</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>A tela será bloqueada em %1</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>A tela será desligada em %1</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>encerramento da sessão</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>desligamento</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>reinicialização</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>suspensão</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>hibernação</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>bloqueio da tela</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>desligamento da tela</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>em %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>às %1</translation>
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
        <translation>Executar comando</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>O comando não foi executado.</translation>
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
        <translation>O comando será executado em %1</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>execução do comando</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>Nenhum gerenciador de sessão ou serviço do sistema aqui pode encerrar a sessão</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>Nenhum serviço do sistema aqui pode desligar o computador</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>Desligar o computador requer uma senha aqui</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>Este usuário não tem permissão para desligar o computador</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>Este computador não pode ser desligado daqui</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>Nenhum serviço do sistema aqui pode reiniciar o computador</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>Reiniciar requer uma senha aqui</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>Este usuário não tem permissão para reiniciar o computador</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>Este computador não pode ser reiniciado daqui</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>Nenhum serviço do sistema aqui pode suspender o computador</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>Suspender requer uma senha aqui</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>Este usuário não tem permissão para suspender o computador</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>Este computador não pode ser suspenso</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>Nenhum serviço do sistema aqui pode hibernar o computador</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>A hibernação requer uma senha aqui</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>Este usuário não tem permissão para hibernar o computador</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>A hibernação está desativada neste computador</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>Impedido por “%1” (PID %2)</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>Impedido por “%1” (PID %2): %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n programa</numerusform>
            <numerusform>e mais %n programas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>Nenhum programa foi escolhido para aguardar.</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>%1 terminou</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 ainda em execução</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 e mais %n programa ainda em execução</numerusform>
            <numerusform>%1 e mais %n programas ainda em execução</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>The computer is busy again.</source>
        <translation>O computador está ocupado de novo.</translation>
    </message>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>carga baixa: %1 de %2</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>carga baixa: %1 de %2 — CPU %3&#xa0;%, disco %4&#xa0;KB/s, rede %5&#xa0;KB/s</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>o Registro recusou os valores</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>“%1” estava marcado duas vezes para o mesmo momento: foi solicitado uma vez.</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>“%1” foi omitido: “%2” estava marcado para o mesmo momento.</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>não é possível remover %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>A inicialização do Orvanta com o Windows está desativada nas configurações de inicialização do Windows: ative-a em Configurações &gt; Aplicativos &gt; Inicialização ou na guia Inicializar do Gerenciador de Tarefas.</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>Nenhum programa em execução tem o PID %1.</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>Nenhum programa chamado “%1” está em execução.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Agendamento</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Dias:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todos os dias</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Dias úteis</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Horário:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Ação:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Forçar (sem avisos de programas etc.)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Ativar o computador para esta ação</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Ativa o computador da suspensão cerca de dois minutos antes do horário, para que o aviso e a ação aconteçam. Não é possível ativar um computador em hibernação ou desligado.</translation>
    </message>
</context>
<context>
    <name>ScheduleEdits</name>
    <message>
        <source>%1 %2 — %3</source>
        <translation>%1 às %2 — %3</translation>
    </message>
    <message>
        <source>%1 (Force)</source>
        <translation>%1 (Forçar)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>ativo  </translation>
    </message>
    <message>
        <source>off</source>
        <translation>inativo</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>Nenhum agendamento.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>Não existe o agendamento %1.</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Removido: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>Já existe %n agendamento.</numerusform>
            <numerusform>Já existem %n agendamentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1, ativando o computador</translation>
    </message>
</context>
<context>
    <name>ScheduleHost</name>
    <message>
        <source>d MMM</source>
        <comment>day and short month, as QDate::toString spells them</comment>
        <translation>d &apos;de&apos; MMM</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <translation>Próximo: %1 %2</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>Todos os dias</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Cada %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
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
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation>%1, %2 às %3</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation>%1 às %2</translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation>Próximo: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Perdido: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>“%1” não é um horário que se repete: informe os dias e o horário, como em &quot;mon-fri 23:30&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>“%1” não indica dias: use mon, tue, wed, thu, fri, sat, sun, intervalos como mon-fri, listas como sat,sun, ou daily</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>“%1” não é um horário: use horas de 0 a 23 e minutos de 00 a 59, como em 23:30</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>Não é possível manter mais de %n agendamento.</numerusform>
            <numerusform>Não é possível manter mais de %n agendamentos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (em vez de: %1 — no mesmo horário)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (adiado para %1)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Agendamentos</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Adicionar…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>Nenhum bloqueador de tela responde nesta sessão</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>Este ambiente de trabalho não oferece como desligar a tela</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>não é possível saber de quem é o programa que responde: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>o programa em execução não é seu</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>Contagem regressiva</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Horário</translation>
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
        <translation>%1, %2; corrigido ao sair do campo</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>botão giratório</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>Seta para cima ou aumentar soma um a %1, %2; seta para baixo ou diminuir subtrai um</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Main</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Agendamentos…</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Sobre o Orvanta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1: informe o caminho completo do programa ou um nome encontrado no PATH.</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 não é um programa executável.</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>O programa %1 não foi encontrado no PATH.</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>Há aspas que não foram fechadas.</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>Entre aspas, uma barra invertida só pode vir antes de &quot; ` $ ou de outra barra invertida.</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>Um argumento entre aspas deve terminar onde as aspas terminam.</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>O caractere %1 só tem significado para um shell: coloque o argumento entre aspas duplas ou execute o comando por meio de sh -c.</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>Nenhum comando foi informado.</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>execução de %1 (%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>%1 terminou com o status %2 após %3.</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>%1 travou após %2.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 não pôde ser iniciado: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>%1 foi encerrado após %2.</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>Saída: %1</translation>
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
        <translation>Quando um programa terminar</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>A ação é executada quando o último dos programas escolhidos tiver terminado:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>Digite para encontrar um programa</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>Encontrar um programa</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Programas em execução</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>Quando a carga do computador baixar</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>A ação é executada quando a carga do computador tiver ficado baixa por esse tempo. Uma única CPU ou disco ocupado basta para mantê-lo ocupado.</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>Carga baixa por</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>Uso de cada CPU abaixo de</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>Uma única CPU ocupada mantém o computador ocupado, não importa quantas ele tenha.</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>Tráfego de cada disco abaixo de</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>Lido e gravado no disco mais ocupado.</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>Tráfego de rede abaixo de</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>Recebido e enviado em todas as conexões juntas.</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>Quando o computador estiver ocioso</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>Sem uso do teclado ou do mouse por</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>Aguardar</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>Até um programa terminar…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>Até a carga do computador baixar…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>Até o computador ficar ocioso…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>não há barramento de mensagens da sessão</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>nenhum gerenciador de usuário do systemd responde</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>o systemd %1 não permite que o temporizador de um usuário ative o computador</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>o sistema ainda não foi consultado</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>Este sistema não pode ativar o computador em um horário definido: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1, e o gerenciamento de energia do KDE pode não ativar o computador (falta-lhe CAP_WAKE_ALARM)</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>o plano de energia permite somente temporizadores de ativação importantes (Opções de Energia &gt; Suspender &gt; Permitir temporizadores de ativação)</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>o plano de energia não permite temporizadores de ativação (Opções de Energia &gt; Suspender &gt; Permitir temporizadores de ativação)</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>não foi possível criar um temporizador</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>o Windows recusou o temporizador de ativação (erro %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>este computador não oferece suporte à ativação por temporizador</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>Aviso antes da ação</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Sem aviso</translation>
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
        <translation>Som e texto próprio…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>Tocar o som de notificação da área de trabalho</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>ex.: Salve seu trabalho no editor</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>Seu próprio texto no aviso:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Aviso do Orvanta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Mais tempo</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>O compositor Wayland não responde mais.</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>Não foi possível abrir o navegador padrão. Acesse manualmente o endereço:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>O Windows não informa quais estados de energia este computador tem: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>Este computador só é suspenso desligando a tela (Modern Standby).</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>Este computador não pode ser suspenso.</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Este computador não pode hibernar.</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>A hibernação está desativada neste computador.</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>estado de execução do Windows</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>Não é possível ler o horário da última entrada: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>Não é possível monitorar %1: ele pertence a outro usuário ou ao sistema.</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 já terminou.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>Não é possível monitorar %1: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>O servidor X não informa mais há quanto tempo o computador está ocioso.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>Inicia o Orvanta na área de notificação enquanto houver um agendamento repetido ativo</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1 é um link para %2 e foi deixado como está: remova o link para que o Orvanta inicie com a sua sessão.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Não é possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Não é possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>%1 não foi gravado pelo Orvanta e foi deixado como está: remova-o para que o Orvanta inicie com a sua sessão.</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>A inicialização do Orvanta com a sua sessão está desativada nas configurações do seu ambiente de trabalho (%1): ative-a lá.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>Não é possível remover %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>O Orvanta executará os agendamentos quando for iniciado com a sua sessão.</translation>
    </message>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>O Orvanta continua em execução na área de notificação para executar os agendamentos.</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>Manter ativo: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>Verificando o que mantém o computador ativo</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Ativar o computador</translation>
    </message>
</context>
</TS>
