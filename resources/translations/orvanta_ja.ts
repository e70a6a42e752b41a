<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>このソフトウェアはフリーウェアとして配布されています。つまり:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>フリーウェアについて</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>開発者:</translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland (スコットランド)</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>ホームページを開く</translation>
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
        <translation>要求はすでにシステムに送信中です。</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 待機をやり直します。</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>システムからの応答がまだありません: まだ実行される可能性があります</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>要求を送信中です</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1、その後さらに %2 待機</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>この環境ではコマンドを実行できません。</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>コマンドが設定されていません: 「ファイル &gt; コマンド」で入力してください。</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>コマンドが制限時間を超えました: 操作は実行されます。</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>コマンドが制限時間を超えました: 操作は取り消されました。</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>それでも操作は実行されます。</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>操作は取り消されました。</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>スケジュールの要求にシステムがまだ応答していません。<byte value="xd"/>
まだ実行される可能性があります: 作業内容を保存してください。</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>手遅れです: 要求はすでにシステムに送信中です</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>停止しました: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>停止しました: スケジュールによる %2 の「%1」</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>スケジュールは有効のままです。次は %1 です。</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>何も設定されていませんでした。</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>この環境ではスケジュールを使えません</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>この環境では時刻以外の待機を使えません</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>時刻が受け付けられませんでした</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>このスケジュールはその間に削除されました。</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>スケジュールを %1 に保存できませんでした:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta は実行中にスケジュールを実行します。</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>スケジュールが有効な間、Orvanta はセッションと一緒に起動し、通知領域に隠れています。</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>スケジュールが有効な間、Orvanta はセッションと一緒に起動します。</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>設定した時刻にコンピューターのスリープは解除されません:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>このシステムでは指定した時刻にスリープを解除できません。</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>後で実行する操作が設定されています</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>それまでコンピューターはスリープしません。</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 分</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>時間を延長できる設定がありません</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>コマンドライン:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet、または sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>あなたの権限で実行します。コマンドラインでシェルを指定しない限り、シェルは使いません。「操作」枠の「コマンドを実行」は、操作の代わりにこれを実行します。</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>操作の前に実行する: 終了してから操作を行います</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>制限時間:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>コマンドを終了させ、操作を取り消す</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>コマンドを終了させ、操作を行う</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>制限時間になったら:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>コマンドが失敗しても操作を行う</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>出力とエラーは %1 に書き込まれます</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>操作の前に実行するコマンドを入力してください。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>ユーザーをログアウトします。</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>コンピューターをシャットダウンします。</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>コンピューターを再起動します。</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>コンピューターをスリープします (Orvanta は終了しません)。</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>コンピューターを休止状態にします (Orvanta は終了しません)。</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>画面をロックします。</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>画面の電源を切ります。</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>繰り返すスケジュールを操作 (と --force) と共に追加します: 曜日と時刻、例 &quot;mon-fri 23:30&quot;、&quot;daily 7:00&quot;、&quot;sat,sun 10:00&quot;。</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>スケジュールを番号付きで一覧表示します。</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>スケジュール N を有効にします。</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>スケジュール N を無効にします。</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>スケジュール N を削除します。</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>スケジュールが有効なときのセッションと同じように、通知領域に隠れた状態で起動します。</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>このコンピューターが今実行できる操作と、できない理由を表示します。</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>他のプログラムに操作を妨げさせません。</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>H:MM:SS または分数でカウントダウンします。</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>時刻 HH:MM[:SS] まで待ちます。</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>その PID のプログラム、またはその名前のすべてのプログラムが終了したときに実行します (複数回指定可)。</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>CPU、ディスク、ネットワークの使用量がその分数だけ低いままだったときに実行します。</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>--when-quiet と共に: 最も忙しい CPU の使用率がこの値未満 (既定値 25)。</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>--when-quiet と共に: 最も忙しいディスクの読み書きがこの値未満 (既定値 1000)。</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>--when-quiet と共に: ネットワーク通信量がこの値未満 (既定値 10)。</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>キーボードやマウスがその分数だけ使われなかったときに実行します。</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>実行中の Orvanta があれば、その設定を解除します。</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>実行中の Orvanta のウィンドウを前面に出すか、起動します。</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>カウントダウン後、指定時刻、または作業の終了時に、ログアウト、シャットダウン、再起動、スリープ、画面のロック、画面の電源オフを行います。</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits には PID またはプログラム名が必要です</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2: 1 週間以内の分数ではありません</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1: 1 から 100 までのパーセント値ではありません</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1: 1 から 1000000 までの KB/s 値ではありません</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1: 1 から 1000000 までの KB/s 値ではありません</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>--help と --version には呼び出されたプログラム自身が答えます</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>予期しない引数: %1</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>操作を 1 つ選んでください: --logoff、--poweroff、--reboot、--sleep、--hibernate、--lock、--display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check は単独で使います</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart は単独で使います</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>--schedule、--schedules、--schedule-on、--schedule-off、--schedule-remove のいずれか 1 つを選んでください</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2: スケジュールの番号ではありません</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule には操作が必要です: --logoff、--poweroff、--reboot、--sleep、--hibernate、--lock、--display-off</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>--in、--at、--when-exits、--when-quiet、--when-idle のいずれか 1 つを選んでください</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu、--disk、--net は --when-quiet と一緒に使います</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in、--at、--when-…、--force には操作が必要です: --logoff、--poweroff、--reboot、--sleep、--hibernate、--lock、--display-off</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>いつかを指定してください: --in H:MM:SS または --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel は操作と組み合わせられません</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1: 0:00:01 から 99:59:59 までのカウントダウンではありません</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1: 0:00:01 から 23:59:59 までの時刻ではありません</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>曜日 時刻</translation>
    </message>
    <message>
        <source>time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>PID|名前</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>--at または --schedule と共に: 時刻の少し前にコンピューターのスリープを解除します (休止状態や電源が切れている状態からは解除できません)。</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>スケジュールのオプションは単独で使います (--schedule と操作、--force、--wake)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake は --at または --schedule と一緒に使います</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>電源操作の代わりにこのコマンドラインを実行します (Orvanta は終了しません)。シェルはコマンドラインで指定したとき (sh -c &quot;…&quot;) だけ使います。</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>実行中の Orvanta で設定されている操作の時間を延長します: H:MM または分数 (時刻やスケジュールの予定はその分だけ遅くなり、待機は待っていたことが済んでからその分だけ遅れて実行します)。</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1: 0:01 から 99:59 までの H:MM でも分数でもありません</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone は単独で使います</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>スケジュールはコマンドを実行しません: --run は --in、--at または --when-… と一緒に使います</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run にはコマンドラインが必要です</translation>
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
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>再起動</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>強制 (他のプログラムの警告などを無視)</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>プログラムの終了を待たない</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>時間の設定</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>指定した時刻</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>システムトレイに最小化</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>ウィンドウを通知領域に隠す</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>タイマー開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>タイマー停止</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>要求中…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>要求をシステムに送信中です</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>スリープを解除</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>実行に合わせてスリープを解除</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>時刻の約 2 分前にコンピューターのスリープを解除し、警告と操作が行われるようにします。休止状態や電源が切れているコンピューターのスリープは解除できません。</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>時間を延長</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>設定した操作の時間を延長</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>GNOME セッションマネージャー</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>デスクトップの電源管理</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>デスクトップポータル</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>logind のアイドル抑止ロック</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>システムのメッセージバスが応答しません</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>Somebody used the computer.</source>
        <translation>誰かがコンピューターを使いました。</translation>
    </message>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>無操作 %1 / %2</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>このデスクトップは、コンピューターが使われていない時間を知らせません。</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>このデスクトップで無操作時間を知る方法をまだ調べています。</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>別のプログラム (プロセス %1) が設定を書き込み中です。もう一度お試しください</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>ロック %1 を取得できません</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1。設定は読み込まれません</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 のサイズは %2 で、このプログラムの設定ファイルよりはるかに大きいです</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>it ended before it took the command</source>
        <translation>コマンドを受け取る前に終了しました</translation>
    </message>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>引数が長すぎて渡せません</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>%1 からシステムの負荷を読み込めません。</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>CPU の負荷を読み込めません (状態 0x%1)。</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>ネットワークの負荷を読み込めません: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind が応答しませんでした: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>システムがまだ応答していません。<byte value="xd"/>
要求した操作はまだ実行される可能性があります: 作業内容を保存してください。</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>システムトレイに最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta について</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Brannock の他のプログラム</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>スケジュール…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>手遅れです: 要求はすでにシステムに送信中です</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta を終了しています</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>設定を保存</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>設定を読み込む</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>設定を %1 に保存できませんでした:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>設定を読み込めませんでした:<byte value="xd"/>
%1<byte value="xd"/>
既定値を使います。</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>それまでコンピューターをスリープさせない</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>コマンド…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>時間を延長</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 分</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30 分</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1 時間</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>その他…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>延長する時間 (H:MM):</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>GNOME のアイドルモニターがなくなりました。</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>GNOME のアイドルモニターが応答しませんでした: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 はすでに終了しています。</translation>
    </message>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>プログラムの終了を待つには Linux 5.3 以降が必要です。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>%1 を監視できません: Orvanta が開いているファイルが多すぎます。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>%1 を監視できません: システムで開いているファイルが多すぎます。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>%1 を監視できません: この環境ではシステムが許可していません。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 を監視できません: %2</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Log off user</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>再起動</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>スリープ</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休止状態</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>画面の電源を切る</translation>
    </message>
    <message>
        <source>The user was not logged off.</source>
        <translation>ログアウトしませんでした。</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>コンピューターはシャットダウンしませんでした。</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>コンピューターは再起動しませんでした。</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>コンピューターはスリープしませんでした。</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>コンピューターは休止状態になりませんでした。</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>画面はロックされませんでした。</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>画面の電源は切れませんでした。</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>システムが許可しませんでした (アクセス拒否)。</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>別のプログラムが妨げています。</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>システムがパスワードを求めましたが、誰にも尋ねられませんでした。</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>このシステムにはそれを実行できるサービスがありません。</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>システムが時間内に応答しなかったため、要求そのものは送信されませんでした。</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>システムは今それを実行できないと応答しました。</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>他のプログラムに作業の保存を求められるセッションマネージャーが動いていません。それでもセッションを終了するには「強制」をオンにしてください。</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>要求しましたが、このシステムの何からも完了したという応答がありませんでした。</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>同じ時刻に予定されていた別の操作が代わりに実行されました。</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>システムが拒否しました。</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>%1後にログアウトします</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>%1後にシャットダウンします</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>%1後に再起動します</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>%1後にスリープします</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>%1後に休止状態になります</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>%1後に画面をロックします</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>%1後に画面の電源を切ります</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>再起動</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>スリープ</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>休止状態へ移行</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>画面のロック</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>画面の電源オフ</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 後に</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>%1 に</translation>
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
        <translation>%2%1</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>コマンドを実行</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>コマンドは実行されませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>%1後にコマンドを実行します</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>コマンドの実行</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>この環境にはログアウトできるセッションマネージャーもシステムサービスもありません</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>この環境にはシャットダウンできるシステムサービスがありません</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>この環境ではシャットダウンにパスワードが必要です</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>このユーザーはシャットダウンを許可されていません</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>このコンピューターはここからシャットダウンできません</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>この環境には再起動できるシステムサービスがありません</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>この環境では再起動にパスワードが必要です</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>このユーザーは再起動を許可されていません</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>このコンピューターはここから再起動できません</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>この環境にはスリープできるシステムサービスがありません</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>この環境ではスリープにパスワードが必要です</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>このユーザーはスリープを許可されていません</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>このコンピューターはスリープできません</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>この環境には休止状態にできるシステムサービスがありません</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>この環境では休止状態にパスワードが必要です</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>このユーザーは休止状態を許可されていません</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>このコンピューターでは休止状態が無効になっています</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>「%1」(PID %2) が妨げています</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>「%1」(PID %2) が妨げています: %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>待つプログラムが選ばれていません。</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>%1 が終了しました</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 は実行中です</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 ほか %n 個のプログラムが実行中です</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>The computer is busy again.</source>
        <translation>コンピューターが再び忙しくなりました。</translation>
    </message>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>低負荷 %1 / %2</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>低負荷 %1 / %2 — CPU %3 %、ディスク %4 KB/s、ネットワーク %5 KB/s</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>レジストリが値を拒否しました</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>「%1」が同じ時刻に 2 回予定されていました: 要求は 1 回だけ行いました。</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>「%1」は省かれました: 同じ時刻に「%2」が予定されていました。</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 を削除できません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>Windows のスタートアップ設定で Orvanta の自動起動がオフになっています: [設定] &gt; [アプリ] &gt; [スタートアップ]、またはタスク マネージャーの [スタートアップ] タブでオンにしてください。</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>PID %1 の実行中のプログラムはありません。</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>「%1」という名前のプログラムは実行されていません。</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>曜日:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>月曜日から金曜日</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時刻:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>操作:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>強制 (他のプログラムの警告などを無視)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>実行に合わせてスリープを解除</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>時刻の約 2 分前にコンピューターのスリープを解除し、警告と操作が行われるようにします。休止状態や電源が切れているコンピューターのスリープは解除できません。</translation>
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
        <translation>%1 (強制)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>スケジュールはありません。</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>スケジュール %1 はありません。</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>削除しました: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>すでに %n 個のスケジュールがあります。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1、スリープ解除あり</translation>
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
        <translation>次回: %1 %2</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>毎週%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1から%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>weekday, date, time</comment>
        <translation>%2 (%1) %3</translation>
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
        <translation>次回: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>実行されなかった予定: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>「%1」は繰り返しの時刻ではありません: &quot;mon-fri 23:30&quot; のように曜日と時刻を指定してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>「%1」に曜日がありません: mon、tue、wed、thu、fri、sat、sun、mon-fri のような範囲、sat,sun のような列挙、または daily を使ってください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>「%1」は時刻ではありません: 23:30 のように、時は 0 から 23、分は 00 から 59 で指定してください</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>保存できるスケジュールは %n 個までです。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (同じ時刻に予定されていた「%1」の代わり)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (%1 に延長)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>追加…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>このセッションでは画面ロックのプログラムが応答しません</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>このデスクトップには画面の電源を切る方法がありません</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>応答しているのが誰のプログラムかわかりません: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>実行中のプログラムはあなたのものではありません</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>カウントダウン</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1 %2。フィールドを離れると修正されます</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>スピンボタン</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>上矢印または増加で%1の%2を 1 増やし、下矢印または減少で 1 減らします</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Main</source>
        <translation>メイン</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>スケジュール…</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta について</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1: プログラムのフルパスか、PATH で見つかる名前を指定してください。</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 は実行できるプログラムではありません。</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>プログラム %1 が PATH に見つかりませんでした。</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>引用符が閉じられていません。</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>引用符の中では、バックスラッシュは &quot; ` $ または別のバックスラッシュの前にしか置けません。</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>引用符で囲んだ引数は、引用符の終わりで終わる必要があります。</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>文字 %1 はシェルにとってだけ意味を持ちます: 引数を二重引用符で囲むか、sh -c を通してコマンドを実行してください。</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>コマンドが指定されていません。</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>%1 を実行中 (%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>%1 は終了コード %2 で終了しました (経過時間 %3)。</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>%1 はクラッシュしました (経過時間 %2)。</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 を起動できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>%1 を終了させました (経過時間 %2)。</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>出力: %1</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation>プログラムが終了したとき</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>選んだプログラムがすべて終了したら操作を実行します:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>入力してプログラムを検索</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>プログラムを検索</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>実行中のプログラム</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>コンピューターの負荷が低いとき</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>コンピューターの負荷がこの時間だけ低ければ操作を実行します。CPU かディスクが 1 つでも忙しければ、忙しいとみなします。</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>低負荷の時間</translation>
    </message>
    <message>
        <source> min</source>
        <translation> 分</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>各 CPU の使用率の上限</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>CPU がいくつあっても、1 つが忙しければコンピューターは忙しいとみなします。</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>各ディスクの転送量の上限</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/s</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>最も忙しいディスクの読み書き量。</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>ネットワーク通信量の上限</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>すべての接続の送受信量の合計。</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>コンピューターが使われていないとき</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>キーボード・マウス入力なしの時間</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>待機</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>プログラムが終了するまで…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>コンピューターの負荷が下がるまで…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>コンピューターが使われなくなるまで…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>systemd のユーザーマネージャーが応答しません</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>systemd %1 ではユーザーのタイマーでスリープを解除できません</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>まだシステムに問い合わせていません</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>このシステムでは指定した時刻にスリープを解除できません: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1。また、KDE の電源管理でもスリープを解除できない可能性があります (CAP_WAKE_ALARM がありません)</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>電源プランで重要なスリープ解除タイマーのみが許可されています ([電源オプション] &gt; [スリープ] &gt; [スリープ解除タイマーの許可])</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>電源プランでスリープ解除タイマーが許可されていません ([電源オプション] &gt; [スリープ] &gt; [スリープ解除タイマーの許可])</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>タイマーを作成できませんでした</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>Windows がスリープ解除タイマーを拒否しました (エラー %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>このコンピューターはタイマーによるスリープ解除に対応していません</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>操作前の警告</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>警告しない</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>1 分前</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n 分前</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>サウンドと独自のテキスト…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>デスクトップの通知音を鳴らす</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>例: エディターで作業を保存してください</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>警告に表示する独自のテキスト:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Orvanta の警告</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>時間を延長</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>Wayland コンポジターが応答しなくなりました。</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>既定のブラウザーを開けませんでした。次のアドレスを手動で開いてください:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>このコンピューターの電源状態を Windows が知らせません: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>このコンピューターは画面の電源を切ることでのみスリープします (モダン スタンバイ)。</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>このコンピューターはスリープできません。</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>このコンピューターは休止状態にできません。</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>このコンピューターでは休止状態が無効になっています。</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>Windows の実行状態</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>最後の入力の時刻を読み込めません: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>%1 を監視できません: 別のユーザーまたはシステムのものです。</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 はすでに終了しています。</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 を監視できません: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>X サーバーが無操作時間を知らせなくなりました。</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>繰り返しのスケジュールが有効な間、Orvanta を通知領域で起動します</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1 は %2 へのリンクなので、そのままにしてあります: Orvanta をセッションと一緒に起動するには、リンクを削除してください。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 を読み込めません: %2。</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>%1 は Orvanta が書いたものではないため、そのままにしてあります: Orvanta をセッションと一緒に起動するには、これを削除してください。</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>デスクトップの設定 (%1) で Orvanta の自動起動がオフになっています: そこでオンにしてください。</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>%1 を削除できません: %2。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta はセッションと一緒に起動すると、スケジュールを実行します。</translation>
    </message>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta はスケジュールを実行するため通知領域で動作を続けます。</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>スリープ防止: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>コンピューターのスリープを防ぐものを確認しています</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>スリープ解除</translation>
    </message>
</context>
</TS>
