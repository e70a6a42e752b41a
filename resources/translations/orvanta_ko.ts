<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>이 소프트웨어는 프리웨어로 배포됩니다. 즉:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>프리웨어 안내</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>개발자:</translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland(스코틀랜드)</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>홈페이지 방문</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ArmingController</name>
    <message>
        <source>A request is already on its way to the system.</source>
        <translation>요청이 이미 시스템에 전달되는 중입니다.</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 대기를 다시 시작합니다.</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>시스템의 응답이 아직 없습니다: 아직 실행될 수 있습니다</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>요청을 전달하는 중</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1, 이후 %2 더 대기</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>여기서는 명령을 실행할 수 없습니다.</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>설정된 명령이 없습니다: &apos;파일 &gt; 명령&apos;에서 입력하십시오.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>명령이 제한 시간을 넘었습니다: 작업을 그대로 수행합니다.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>명령이 제한 시간을 넘었습니다: 작업이 취소되었습니다.</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>그래도 작업을 수행합니다.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>작업이 취소되었습니다.</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>시스템이 예약의 요청에 아직 응답하지 않았습니다.<byte value="xd"/>
아직 실행될 수 있으니 작업을 저장하십시오.</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>너무 늦었습니다: 요청이 이미 시스템에 전달되는 중입니다</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>중지됨: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>중지됨: %2의 예약된 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>예약은 계속 켜져 있습니다. 다음은 %1입니다.</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>설정된 작업이 없었습니다.</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>여기서는 예약을 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>여기서는 시각 외의 대기를 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>시간이 거부되었습니다</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>이 예약은 그 사이에 제거되었습니다.</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>예약을 %1에 저장할 수 없습니다:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta는 실행 중에 예약을 수행합니다.</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>예약이 켜져 있는 동안 Orvanta는 세션과 함께 시작되어 알림 영역에 숨어 있습니다.</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>예약이 켜져 있는 동안 Orvanta는 세션과 함께 시작됩니다.</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>지정한 시각에 컴퓨터를 절전 모드에서 깨우지 못합니다:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>이 시스템은 지정한 시각에 컴퓨터를 깨울 수 없습니다.</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>나중에 실행할 작업이 설정되어 있음</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>그때까지 컴퓨터가 절전 모드로 전환되지 않습니다.</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10분</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>시간을 연장할 수 있는 설정된 작업이 없습니다</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>명령</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>명령줄:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet 또는 sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>사용자 권한으로 실행하며, 명령줄에 셸을 지정하지 않으면 셸 없이 실행합니다. &apos;작업&apos; 영역의 &apos;명령 실행&apos;은 작업 대신 이 명령을 실행합니다.</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>작업 전에 실행: 명령이 끝나면 작업 수행</translation>
    </message>
    <message>
        <source> min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>제한 시간:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>명령을 끝내고 작업 취소</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>명령을 끝내고 작업 수행</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>제한 시간이 되면:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>명령이 실패해도 작업 수행</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>출력과 오류는 %1에 기록됩니다</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>작업 전에 실행할 명령을 입력하십시오.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>사용자를 로그아웃합니다.</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>시스템을 종료합니다.</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>컴퓨터를 다시 시작합니다.</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>컴퓨터를 절전 모드로 전환합니다(Orvanta는 계속 실행).</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>컴퓨터를 최대 절전 모드로 전환합니다(Orvanta는 계속 실행).</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>화면을 잠급니다.</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>디스플레이를 끕니다.</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>반복되는 예약을 작업(및 --force)과 함께 추가합니다: 요일과 시각, 예: &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>예약을 번호와 함께 나열합니다.</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>예약 N을 켭니다.</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>예약 N을 끕니다.</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>예약 N을 제거합니다.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>예약이 켜져 있을 때 세션이 하듯이 알림 영역에 숨긴 채 시작합니다.</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>이 컴퓨터가 지금 수행할 수 있는 작업과 수행할 수 없는 이유를 출력합니다.</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>다른 프로그램이 작업을 막지 못하게 합니다.</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>H:MM:SS 또는 분 단위로 카운트다운합니다.</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>시각 HH:MM[:SS]까지 기다립니다.</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>해당 PID의 프로그램 또는 해당 이름의 모든 프로그램이 끝나면 실행합니다(여러 번 지정 가능).</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>그 시간(분) 동안 CPU, 디스크, 네트워크 사용량이 낮게 유지되면 실행합니다.</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>--when-quiet와 함께: 가장 바쁜 CPU의 사용률이 이 값 미만(기본값 25).</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>--when-quiet와 함께: 가장 바쁜 디스크의 읽기와 쓰기가 이 값 미만(기본값 1000).</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>--when-quiet와 함께: 네트워크 트래픽이 이 값 미만(기본값 10).</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>그 시간(분) 동안 아무도 키보드나 마우스를 쓰지 않으면 실행합니다.</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>실행 중인 Orvanta가 있으면 설정을 해제합니다.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>실행 중인 Orvanta의 창을 앞으로 가져오거나 Orvanta를 시작합니다.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>카운트다운 후, 지정한 시각에 또는 작업이 끝나면 로그아웃, 시스템 종료, 다시 시작, 절전, 화면 잠금 또는 디스플레이 끄기를 수행합니다.</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits에는 PID나 프로그램 이름이 필요합니다</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2: 일주일 이하의 분 수가 아닙니다</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1: 1에서 100 사이의 백분율이 아닙니다</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1: 1에서 1000000 사이의 KB/s 값이 아닙니다</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1: 1에서 1000000 사이의 KB/s 값이 아닙니다</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>--help와 --version은 호출된 프로그램이 직접 응답합니다</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>예상하지 못한 인수: %1</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>작업을 하나 고르십시오: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock 또는 --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check는 단독으로 씁니다</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart는 단독으로 씁니다</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>--schedule, --schedules, --schedule-on, --schedule-off, --schedule-remove 중 하나를 고르십시오</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2: 예약 번호가 아닙니다</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule에는 작업이 필요합니다: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock 또는 --display-off</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>--in, --at, --when-exits, --when-quiet, --when-idle 중 하나를 고르십시오</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu, --disk, --net은 --when-quiet와 함께 씁니다</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in, --at, --when-…, --force에는 작업이 필요합니다: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock 또는 --display-off</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>시점을 지정하십시오: --in H:MM:SS 또는 --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel은 작업과 함께 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1: 0:00:01에서 99:59:59 사이의 카운트다운이 아닙니다</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1: 0:00:01에서 23:59:59 사이의 시각이 아닙니다</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>요일 시각</translation>
    </message>
    <message>
        <source>time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>PID|이름</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>퍼센트</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>--at 또는 --schedule과 함께: 지정한 시각 직전에 컴퓨터를 절전 모드에서 깨웁니다(최대 절전 모드나 꺼진 상태에서는 불가).</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>예약 옵션은 단독으로 씁니다(--schedule은 작업, --force, --wake와 함께)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake는 --at 또는 --schedule과 함께 씁니다</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>전원 작업 대신 이 명령줄을 실행합니다(Orvanta는 계속 실행). 셸은 명령줄에 지정한 경우(sh -c &quot;…&quot;)에만 사용합니다.</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>실행 중인 Orvanta에 설정된 작업의 시간을 연장합니다: H:MM 또는 분 수(시각이나 예약의 실행 시점은 그만큼 늦어지고, 대기는 기다리던 일이 끝난 뒤 그만큼 늦게 실행합니다).</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1: 0:01에서 99:59 사이의 H:MM도, 분 수도 아닙니다</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone는 단독으로 씁니다</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>예약은 명령을 실행하지 않습니다: --run은 --in, --at 또는 --when-…과 함께 씁니다</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run에는 명령줄이 필요합니다</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>시스템 종료</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>강제(다른 프로그램의 경고 등 무시)</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>프로그램이 종료되기를 기다리지 않음</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>시간 설정</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>지정한 시각에</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>시스템 트레이로 최소화</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>창을 알림 영역으로 숨기기</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>타이머 시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>타이머 중지</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>요청하는 중…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>요청을 시스템에 전달하는 중입니다</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>컴퓨터 깨우기</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>이 작업을 위해 컴퓨터 깨우기</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>지정한 시각 약 2분 전에 컴퓨터를 절전 모드에서 깨워 경고가 표시되고 작업이 실행되게 합니다. 최대 절전 모드이거나 꺼진 컴퓨터는 깨울 수 없습니다.</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>시간 연장</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>설정된 작업의 시간 연장</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>GNOME 세션 관리자</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>데스크톱 전원 관리</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>데스크톱 포털</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>logind 유휴 잠금</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>시스템 메시지 버스가 응답하지 않습니다</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>Somebody used the computer.</source>
        <translation>누군가 컴퓨터를 사용했습니다.</translation>
    </message>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>사용 없음 %1 / %2</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>이 데스크톱은 컴퓨터가 사용되지 않은 시간을 알려 주지 않습니다.</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>이 데스크톱에서 컴퓨터가 사용되지 않은 시간을 알아내는 방법을 아직 찾는 중입니다.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1은(는) 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>다른 프로그램(프로세스 %1)이 설정을 쓰는 중입니다. 다시 시도하십시오</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>잠금 %1을(를) 얻을 수 없습니다</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1. 설정을 읽지 않았습니다</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1의 크기는 %2로, 이 프로그램의 설정 파일보다 훨씬 큽니다</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>it ended before it took the command</source>
        <translation>명령을 받기 전에 종료되었습니다</translation>
    </message>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>인수가 너무 길어 넘겨줄 수 없습니다</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>%1에서 시스템 부하를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>CPU 부하를 읽을 수 없습니다(상태 0x%1).</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>네트워크 부하를 읽을 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind가 응답하지 않았습니다: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>시스템이 아직 응답하지 않았습니다.<byte value="xd"/>
요청한 작업이 아직 실행될 수 있으니 작업을 저장하십시오.</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>시스템 트레이로 최소화</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta 정보</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Brannock의 다른 프로그램</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>예약…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>웹 사이트</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>너무 늦었습니다: 요청이 이미 시스템에 전달되는 중입니다</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta를 닫는 중입니다</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>설정 저장</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>설정 불러오기</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>설정을 %1에 저장할 수 없습니다:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>설정을 불러올 수 없습니다:<byte value="xd"/>
%1<byte value="xd"/>
기본값을 사용합니다.</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>작업 때까지 컴퓨터 절전 방지</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>명령…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>시간 연장</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10분</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30분</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1시간</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>기타…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>연장할 시간(H:MM):</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>GNOME 유휴 모니터가 사라졌습니다.</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>GNOME 유휴 모니터가 응답하지 않았습니다: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1은(는) 이미 끝났습니다.</translation>
    </message>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>프로그램 종료를 기다리려면 Linux 5.3 이상이 필요합니다.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>%1을(를) 감시할 수 없습니다: Orvanta가 연 파일이 너무 많습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>%1을(를) 감시할 수 없습니다: 시스템에 열린 파일이 너무 많습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>%1을(를) 감시할 수 없습니다: 여기서는 시스템이 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1을(를) 감시할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Log off user</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>시스템 종료</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>절전</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>최대 절전 모드</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>디스플레이 끄기</translation>
    </message>
    <message>
        <source>The user was not logged off.</source>
        <translation>로그아웃되지 않았습니다.</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>시스템이 종료되지 않았습니다.</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>컴퓨터가 다시 시작되지 않았습니다.</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>컴퓨터가 절전 모드로 전환되지 않았습니다.</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>컴퓨터가 최대 절전 모드로 전환되지 않았습니다.</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>화면이 잠기지 않았습니다.</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>디스플레이가 꺼지지 않았습니다.</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>시스템이 허용하지 않았습니다(액세스 거부).</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>다른 프로그램이 막고 있습니다.</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>시스템이 암호를 요구했지만 물어볼 사람이 없었습니다.</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>이 시스템에는 이를 수행할 수 있는 서비스가 없습니다.</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>시스템이 제때 응답하지 않아 요청 자체를 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>시스템이 지금은 할 수 없다고 응답했습니다.</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>다른 프로그램에 작업 저장을 요청할 세션 관리자가 실행 중이 아닙니다. 그래도 세션을 끝내려면 &apos;강제&apos;를 선택하십시오.</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>요청했지만 이 시스템의 어떤 것도 완료되었다고 알리지 않았습니다.</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>같은 시각에 예정된 다른 작업이 대신 실행되었습니다.</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>시스템이 거부했습니다.</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>%1 후 로그아웃됩니다</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>%1 후 시스템이 종료됩니다</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>%1 후 컴퓨터가 다시 시작됩니다</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>%1 후 절전 모드로 전환됩니다</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>%1 후 최대 절전 모드로 전환됩니다</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>%1 후 화면이 잠깁니다</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>%1 후 디스플레이가 꺼집니다</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>시스템 종료</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>절전</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>최대 절전</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>화면 잠금</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>디스플레이 끄기</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 후</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>%1에</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n초</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>명령 실행</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>명령이 실행되지 않았습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>%1 후 명령이 실행됩니다</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>명령 실행</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>여기에는 로그아웃할 수 있는 세션 관리자나 시스템 서비스가 없습니다</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>여기에는 시스템을 종료할 수 있는 시스템 서비스가 없습니다</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>여기서는 시스템 종료에 암호가 필요합니다</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>이 사용자는 시스템을 종료할 수 없습니다</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>이 컴퓨터는 여기서 종료할 수 없습니다</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>여기에는 컴퓨터를 다시 시작할 수 있는 시스템 서비스가 없습니다</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>여기서는 다시 시작에 암호가 필요합니다</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>이 사용자는 컴퓨터를 다시 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>이 컴퓨터는 여기서 다시 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>여기에는 컴퓨터를 절전 모드로 전환할 수 있는 시스템 서비스가 없습니다</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>여기서는 절전에 암호가 필요합니다</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>이 사용자는 컴퓨터를 절전 모드로 전환할 수 없습니다</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>이 컴퓨터는 절전 모드를 지원하지 않습니다</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>여기에는 컴퓨터를 최대 절전 모드로 전환할 수 있는 시스템 서비스가 없습니다</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>여기서는 최대 절전 모드에 암호가 필요합니다</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>이 사용자는 컴퓨터를 최대 절전 모드로 전환할 수 없습니다</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>이 컴퓨터에서는 최대 절전 모드가 꺼져 있습니다</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>&apos;%1&apos;(PID %2)이(가) 막고 있음</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>&apos;%1&apos;(PID %2)이(가) 막고 있음: %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>외 %n개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>기다릴 프로그램을 고르지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>%1 끝남</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 아직 실행 중</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 외 %n개 아직 실행 중</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>The computer is busy again.</source>
        <translation>컴퓨터가 다시 바빠졌습니다.</translation>
    </message>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>한가함 %1 / %2</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>한가함 %1 / %2 — CPU %3 %, 디스크 %4 KB/s, 네트워크 %5 KB/s</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>레지스트리가 값을 거부했습니다</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>&apos;%1&apos;이(가) 같은 시각에 두 번 예정되어 한 번만 요청했습니다.</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>&apos;%1&apos;을(를) 건너뛰었습니다: 같은 시각에 &apos;%2&apos;이(가) 예정되어 있었습니다.</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1을(를) 제거할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>Windows 시작 프로그램 설정에서 Orvanta 자동 시작이 꺼져 있습니다: 설정 &gt; 앱 &gt; 시작 프로그램 또는 작업 관리자의 시작 프로그램 탭에서 켜십시오.</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>PID가 %1인 실행 중인 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>&apos;%1&apos;(이)라는 프로그램이 실행 중이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>예약</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>요일:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>매일</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>월요일~금요일</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>시각:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시각</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>작업:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>강제(다른 프로그램의 경고 등 무시)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>이 작업을 위해 컴퓨터 깨우기</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>지정한 시각 약 2분 전에 컴퓨터를 절전 모드에서 깨워 경고가 표시되고 작업이 실행되게 합니다. 최대 절전 모드이거나 꺼진 컴퓨터는 깨울 수 없습니다.</translation>
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
        <translation>%1(강제)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>켜짐</translation>
    </message>
    <message>
        <source>off</source>
        <translation>꺼짐</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>예약이 없습니다.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>예약 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>제거됨: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>이미 예약이 %n개 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1, 컴퓨터 깨우기</translation>
    </message>
</context>
<context>
    <name>ScheduleHost</name>
    <message>
        <source>d MMM</source>
        <comment>day and short month, as QDate::toString spells them</comment>
        <translation>M월 d일</translation>
    </message>
    <message>
        <source>Next: %1 %2</source>
        <translation>다음: %1 %2</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>매일</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>매주 %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1~%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation>M월 d일</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation>다음: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>놓침: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>&apos;%1&apos;은(는) 반복 시간이 아닙니다: &quot;mon-fri 23:30&quot;처럼 요일과 시각을 지정하십시오</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>&apos;%1&apos;에 요일이 없습니다: mon, tue, wed, thu, fri, sat, sun, mon-fri 같은 범위, sat,sun 같은 목록 또는 daily를 쓰십시오</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>&apos;%1&apos;은(는) 시각이 아닙니다: 23:30처럼 시는 0~23, 분은 00~59로 쓰십시오</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>예약은 %n개까지만 저장할 수 있습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (같은 시각에 예정된 &apos;%1&apos; 대신)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (%1(으)로 연장됨)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>예약</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>추가…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>편집…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>이 세션에서 응답하는 화면 잠금 프로그램이 없습니다</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>이 데스크톱에는 디스플레이를 끄는 방법이 없습니다</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>누구의 프로그램이 응답하는지 알 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>실행 중인 프로그램은 사용자의 것이 아닙니다</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>카운트다운</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>시각</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>시</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1 %2. 필드를 벗어나면 고쳐집니다</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>스핀 단추</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>위쪽 화살표나 증가는 %1 %2에 1을 더하고, 아래쪽 화살표나 감소는 1을 뺍니다</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Main</source>
        <translation>주 메뉴</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>예약…</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta 정보</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1: 프로그램의 전체 경로나 PATH에서 찾을 수 있는 이름을 지정하십시오.</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1은(는) 실행할 수 있는 프로그램이 아닙니다.</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>PATH에서 프로그램 %1을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>따옴표가 닫히지 않았습니다.</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>따옴표 안에서 백슬래시는 &quot; ` $ 또는 다른 백슬래시 앞에만 올 수 있습니다.</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>따옴표로 묶은 인수는 따옴표가 끝나는 곳에서 끝나야 합니다.</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>문자 %1은(는) 셸에서만 의미가 있습니다: 인수를 큰따옴표로 묶거나 sh -c로 명령을 실행하십시오.</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>명령이 지정되지 않았습니다.</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>%1 실행 중(%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>%1이(가) 종료 코드 %2(으)로 끝났습니다(경과 시간 %3).</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>%1이(가) 비정상 종료되었습니다(경과 시간 %2).</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1을(를) 시작할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>%1을(를) 종료했습니다(경과 시간 %2).</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>출력: %1</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation>프로그램이 끝나면</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>고른 프로그램이 모두 끝나면 작업을 수행합니다:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>입력하여 프로그램 찾기</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>프로그램 찾기</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>실행 중인 프로그램</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>컴퓨터가 한가하면</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>컴퓨터가 이 시간 동안 한가하면 작업을 수행합니다. CPU나 디스크 하나라도 바쁘면 바쁜 것으로 봅니다.</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>한가한 시간</translation>
    </message>
    <message>
        <source> min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>각 CPU 사용률 상한</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>CPU가 몇 개든 하나라도 바쁘면 컴퓨터가 바쁜 것으로 봅니다.</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>각 디스크 전송량 상한</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>가장 바쁜 디스크에서 읽고 쓴 양입니다.</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>네트워크 트래픽 상한</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>모든 연결에서 받고 보낸 양의 합계입니다.</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>아무도 컴퓨터를 쓰지 않으면</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>키보드·마우스 입력 없는 시간</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>대기</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>프로그램이 끝날 때까지…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>컴퓨터가 한가해질 때까지…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>아무도 컴퓨터를 쓰지 않을 때까지…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>세션 메시지 버스가 없습니다</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>systemd 사용자 관리자가 응답하지 않습니다</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>systemd %1은(는) 사용자 타이머가 컴퓨터를 깨우도록 허용하지 않습니다</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>아직 시스템에 묻지 않았습니다</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>이 시스템은 지정한 시각에 컴퓨터를 깨울 수 없습니다: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1. 또한 KDE 전원 관리는 CAP_WAKE_ALARM 권한이 없어 컴퓨터를 깨우지 못할 수 있습니다</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>전원 관리 옵션이 중요한 절전 모드 해제 타이머만 허용합니다(전원 옵션 &gt; 절전 &gt; 절전 모드 해제 타이머 허용)</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>전원 관리 옵션이 절전 모드 해제 타이머를 허용하지 않습니다(전원 옵션 &gt; 절전 &gt; 절전 모드 해제 타이머 허용)</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>타이머를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>Windows가 절전 모드 해제 타이머를 거부했습니다(오류 %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>이 컴퓨터는 타이머로 깨우기를 지원하지 않습니다</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>작업 전 경고</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>경고 안 함</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>1분 전</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n분 전</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>소리 및 사용자 텍스트…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>데스크톱 알림 소리 재생</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>예: 편집기에서 작업을 저장하십시오</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>경고에 표시할 사용자 텍스트:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Orvanta 경고</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>시간 연장</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>Wayland 컴포지터가 더 이상 응답하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>기본 브라우저를 열 수 없습니다. 다음 주소로 직접 이동하십시오:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>Windows가 이 컴퓨터의 전원 상태를 알려 주지 않습니다: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>이 컴퓨터는 디스플레이를 끄는 방식으로만 절전합니다(최신 대기).</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>이 컴퓨터는 절전 모드를 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>이 컴퓨터는 최대 절전 모드를 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>이 컴퓨터에서는 최대 절전 모드가 꺼져 있습니다.</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>Windows 실행 상태</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>마지막 입력 시각을 읽을 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>%1을(를) 감시할 수 없습니다: 다른 사용자나 시스템의 것입니다.</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1은(는) 이미 끝났습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1을(를) 감시할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>X 서버가 더 이상 컴퓨터가 사용되지 않은 시간을 알려 주지 않습니다.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>반복 예약이 켜져 있는 동안 Orvanta를 알림 영역에서 시작합니다</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1은(는) %2에 대한 링크이므로 그대로 둡니다: Orvanta가 세션과 함께 시작되게 하려면 링크를 제거하십시오.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1에 쓸 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1을(를) 읽을 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>%1은(는) Orvanta가 쓴 것이 아니므로 그대로 둡니다: Orvanta가 세션과 함께 시작되게 하려면 이 파일을 제거하십시오.</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>데스크톱 설정(%1)에서 Orvanta 자동 시작이 꺼져 있습니다: 거기서 켜십시오.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>%1을(를) 제거할 수 없습니다: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta가 세션과 함께 실행되면 예약을 수행합니다.</translation>
    </message>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta는 예약을 수행하기 위해 알림 영역에서 계속 실행됩니다.</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>절전 방지: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>컴퓨터 절전 방지 방법 확인 중</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>컴퓨터 깨우기</translation>
    </message>
</context>
</TS>
