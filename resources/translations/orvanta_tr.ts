<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>%1 hakkında</translation>
    </message>
    <message>
        <source>Copyright © 2003-2026 Ewan Brannock</source>
        <translation>Copyright © 2003-2026 Ewan Brannock</translation>
    </message>
    <message>
        <source>This software is deployed as FREEWARE, which means:</source>
        <translation>Bu yazılım FREEWARE olarak dağıtılır, yani:</translation>
    </message>
    <message>
        <source>Freeware notice</source>
        <translation>FREEWARE bildirimi</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>Geliştirici:</translation>
    </message>
    <message>
        <source>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, Scotland</source>
        <translation>Ewan Brannock
12 Mill Row
Dunmarrow
KV3 8LT, İskoçya</translation>
    </message>
    <message>
        <source>Visit the homepage</source>
        <translation>Ana sayfayı ziyaret et</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>ArmingController</name>
    <message>
        <source>A request is already on its way to the system.</source>
        <translation>Sisteme zaten bir istek gönderildi.</translation>
    </message>
    <message>
        <source>%1 The wait begins again.</source>
        <translation>%1 Bekleme yeniden başlıyor.</translation>
    </message>
    <message>
        <source>no answer from the system yet: it may still be carried out</source>
        <translation>sistemden henüz yanıt yok: işlem yine de gerçekleşebilir</translation>
    </message>
    <message>
        <source>the request is on its way</source>
        <translation>istek gönderildi</translation>
    </message>
    <message>
        <source>%1, then %2 more</source>
        <translation>%1, ardından %2 daha</translation>
    </message>
    <message>
        <source>Commands cannot be run here.</source>
        <translation>Burada komut çalıştırılamaz.</translation>
    </message>
    <message>
        <source>No command is set: enter one under File &gt; Command.</source>
        <translation>Komut ayarlanmadı: “Dosya” &gt; “Komut” menüsünden bir komut girin.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action goes ahead.</source>
        <translation>Komut süre sınırını aştı: işlem gerçekleştirilecek.</translation>
    </message>
    <message>
        <source>It ran out of its time limit: the action was cancelled.</source>
        <translation>Komut süre sınırını aştı: işlem iptal edildi.</translation>
    </message>
    <message>
        <source>The action goes ahead anyway.</source>
        <translation>İşlem yine de gerçekleştirilecek.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>İşlem iptal edildi.</translation>
    </message>
</context>
<context>
    <name>ArmingService</name>
    <message>
        <source>The system has not answered the schedule&apos;s request yet.<byte value="xd"/>
It may still happen: save your work.</source>
        <translation>Sistem, zamanlamanın isteğine henüz yanıt vermedi.<byte value="xd"/>
İşlem yine de gerçekleşebilir: çalışmanızı kaydedin.</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>çok geç: istek sisteme zaten gönderildi</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Durduruldu: %1</translation>
    </message>
    <message>
        <source>Stopped: the schedule&apos;s %1 at %2</source>
        <translation>Durduruldu: zamanlamadaki “%1” (%2)</translation>
    </message>
    <message>
        <source>The schedules stay on; the next is %1.</source>
        <translation>Zamanlamalar açık kalıyor; sonraki: %1.</translation>
    </message>
    <message>
        <source>Nothing was armed.</source>
        <translation>Kurulu bir şey yoktu.</translation>
    </message>
    <message>
        <source>schedules are not available here</source>
        <translation>zamanlamalar burada kullanılamıyor</translation>
    </message>
    <message>
        <source>waits besides the clock are not available here</source>
        <translation>burada yalnızca saate göre bekleme kullanılabilir</translation>
    </message>
    <message>
        <source>the time was refused</source>
        <translation>zaman kabul edilmedi</translation>
    </message>
    <message>
        <source>This schedule was removed meanwhile.</source>
        <translation>Bu zamanlama bu arada kaldırıldı.</translation>
    </message>
    <message>
        <source>The schedules could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Zamanlamalar %1 konumuna kaydedilemedi:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Orvanta carries the schedules out while it runs.</source>
        <translation>Orvanta, çalıştığı sürece zamanlamaları uygular.</translation>
    </message>
    <message>
        <source>While a schedule is on, Orvanta starts with your session, hidden in the notification area.</source>
        <translation>Bir zamanlama açık olduğu sürece Orvanta, oturumunuzla birlikte bildirim alanında gizli olarak başlar.</translation>
    </message>
    <message>
        <source>Orvanta starts with your session while a schedule is on.</source>
        <translation>Bir zamanlama açık olduğu sürece Orvanta oturumunuzla birlikte başlar.</translation>
    </message>
    <message>
        <source>The computer will not be woken from sleep for the time armed:<byte value="xd"/>
%1</source>
        <translation>Bilgisayar, ayarlanan saat için uykudan uyandırılmayacak:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time.</source>
        <translation>Bu sistem bilgisayarı belirli bir saatte uyandıramaz.</translation>
    </message>
    <message>
        <source>An action is armed for later</source>
        <translation>Daha sonrası için bir işlem ayarlandı</translation>
    </message>
    <message>
        <source>The computer is kept awake until then.</source>
        <translation>Bilgisayar o zamana kadar uyanık tutuluyor.</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 dakika</translation>
    </message>
    <message>
        <source>nothing is armed that could be given more time</source>
        <translation>ertelenebilecek kurulu bir şey yok</translation>
    </message>
</context>
<context>
    <name>CommandDialog</name>
    <message>
        <source>Command</source>
        <translation>Komut</translation>
    </message>
    <message>
        <source>Command line:</source>
        <translation>Komut satırı:</translation>
    </message>
    <message>
        <source>/home/me/bin/backup.sh --quiet, or sh -c &quot;…&quot;</source>
        <translation>/home/me/bin/backup.sh --quiet ya da sh -c &quot;…&quot;</translation>
    </message>
    <message>
        <source>Run as you, without a shell unless the line names one. &quot;Run a command&quot; in the Action frame runs it instead of an action.</source>
        <translation>Sizin kullanıcınızla, satır bir kabuk belirtmedikçe kabuk olmadan çalıştırılır. “İşlem” çerçevesindeki “Komut çalıştır”, bir işlem yerine bu komutu çalıştırır.</translation>
    </message>
    <message>
        <source>Before the action, run it: the action follows when it has ended</source>
        <translation>İşlemden önce çalıştır: işlem, komut sonlandığında gerçekleşir</translation>
    </message>
    <message>
        <source> min</source>
        <translation> dk</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Süre sınırı:</translation>
    </message>
    <message>
        <source>End it and cancel the action</source>
        <translation>Komutu sonlandır ve işlemi iptal et</translation>
    </message>
    <message>
        <source>End it and act</source>
        <translation>Komutu sonlandır ve işlemi gerçekleştir</translation>
    </message>
    <message>
        <source>At the limit:</source>
        <translation>Sınıra ulaşınca:</translation>
    </message>
    <message>
        <source>Act anyway when the command fails</source>
        <translation>Komut başarısız olsa da işlemi gerçekleştir</translation>
    </message>
    <message>
        <source>Its output and errors go to %1</source>
        <translation>Komutun çıktısı ve hataları şuraya yazılır: %1</translation>
    </message>
    <message>
        <source>Enter the command to run before the action.</source>
        <translation>İşlemden önce çalıştırılacak komutu girin.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Log off the user.</source>
        <translation>Kullanıcının oturumunu kapat.</translation>
    </message>
    <message>
        <source>Turn off the computer.</source>
        <translation>Bilgisayarı kapat.</translation>
    </message>
    <message>
        <source>Restart the computer.</source>
        <translation>Bilgisayarı yeniden başlat.</translation>
    </message>
    <message>
        <source>Put the computer to sleep (Orvanta stays).</source>
        <translation>Bilgisayarı uyku moduna al (Orvanta çalışmaya devam eder).</translation>
    </message>
    <message>
        <source>Hibernate the computer (Orvanta stays).</source>
        <translation>Bilgisayarı hazırda beklet (Orvanta çalışmaya devam eder).</translation>
    </message>
    <message>
        <source>Lock the screen.</source>
        <translation>Ekranı kilitle.</translation>
    </message>
    <message>
        <source>Turn off the display.</source>
        <translation>Ekranı kapat.</translation>
    </message>
    <message>
        <source>Add a schedule that repeats, with an action (and --force): days and a time, e.g. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</source>
        <translation>Bir işlemle (ve --force ile) yinelenen bir zamanlama ekle: günler ve saat, ör. &quot;mon-fri 23:30&quot;, &quot;daily 7:00&quot;, &quot;sat,sun 10:00&quot;.</translation>
    </message>
    <message>
        <source>List the schedules, numbered.</source>
        <translation>Zamanlamaları numaralı olarak listele.</translation>
    </message>
    <message>
        <source>Switch schedule N on.</source>
        <translation>N numaralı zamanlamayı aç.</translation>
    </message>
    <message>
        <source>Switch schedule N off.</source>
        <translation>N numaralı zamanlamayı kapat.</translation>
    </message>
    <message>
        <source>Remove schedule N.</source>
        <translation>N numaralı zamanlamayı kaldır.</translation>
    </message>
    <message>
        <source>Start hidden in the notification area, as the session does while a schedule is on.</source>
        <translation>Bir zamanlama açıkken oturumun yaptığı gibi, bildirim alanında gizli olarak başlat.</translation>
    </message>
    <message>
        <source>Print which actions this computer can carry out now, and why not.</source>
        <translation>Bu bilgisayarın şu anda hangi işlemleri gerçekleştirebileceğini ve diğerlerinin neden gerçekleştirilemediğini yazdır.</translation>
    </message>
    <message>
        <source>Do not let other programs hold the action up.</source>
        <translation>Diğer programların işlemi geciktirmesine izin verme.</translation>
    </message>
    <message>
        <source>Count down H:MM:SS, or a number of minutes.</source>
        <translation>H:MM:SS ya da verilen dakika kadar geri say.</translation>
    </message>
    <message>
        <source>Wait for the time of day HH:MM[:SS].</source>
        <translation>Günün HH:MM[:SS] saatine kadar bekle.</translation>
    </message>
    <message>
        <source>Act when the program of that PID, or every program of that name, has ended (may be given more than once).</source>
        <translation>Bu PID ile çalışan program ya da bu adı taşıyan tüm programlar sonlandığında işlemi gerçekleştir (birden çok kez verilebilir).</translation>
    </message>
    <message>
        <source>Act when CPU, disk and network use have stayed low for that many minutes.</source>
        <translation>İşlemci, disk ve ağ kullanımı bu kadar dakika boyunca düşük kaldığında işlemi gerçekleştir.</translation>
    </message>
    <message>
        <source>With --when-quiet: CPU use of the busiest CPU below this (default 25).</source>
        <translation>--when-quiet ile: en yoğun işlemcinin kullanımı bu değerin altında (varsayılan 25).</translation>
    </message>
    <message>
        <source>With --when-quiet: reads and writes of the busiest disk below this (default 1000).</source>
        <translation>--when-quiet ile: en yoğun diskin okuma ve yazması bu değerin altında (varsayılan 1000).</translation>
    </message>
    <message>
        <source>With --when-quiet: network traffic below this (default 10).</source>
        <translation>--when-quiet ile: ağ trafiği bu değerin altında (varsayılan 10).</translation>
    </message>
    <message>
        <source>Act when nobody has used keyboard or mouse for that many minutes.</source>
        <translation>Bu kadar dakika boyunca kimse klavye ya da fare kullanmadığında işlemi gerçekleştir.</translation>
    </message>
    <message>
        <source>Disarm the running Orvanta, if one runs.</source>
        <translation>Çalışan bir Orvanta varsa beklemesini iptal et.</translation>
    </message>
    <message>
        <source>Bring the running Orvanta&apos;s window up, or start it.</source>
        <translation>Çalışan Orvanta penceresini öne getir ya da Orvanta&apos;yı başlat.</translation>
    </message>
    <message>
        <source>Logs off the user, turns off or restarts the computer, puts it to sleep, locks the screen or turns off the display after a countdown, at a time of day or when a job is done.</source>
        <translation>Geri sayımdan sonra, günün belirli bir saatinde ya da bir iş bittiğinde kullanıcının oturumunu kapatır, bilgisayarı kapatır ya da yeniden başlatır, uyku moduna alır, ekranı kilitler ya da kapatır.</translation>
    </message>
    <message>
        <source>--when-exits needs a PID or a program name</source>
        <translation>--when-exits bir PID ya da program adı gerektirir</translation>
    </message>
    <message>
        <source>%1 %2: not a number of minutes up to a week</source>
        <translation>%1 %2: bir haftaya kadar bir dakika sayısı değil</translation>
    </message>
    <message>
        <source>--cpu %1: not a percentage from 1 to 100</source>
        <translation>--cpu %1: 1 ile 100 arasında bir yüzde değil</translation>
    </message>
    <message>
        <source>--disk %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--disk %1: 1 ile 1000000 arasında bir KB/sn değeri değil</translation>
    </message>
    <message>
        <source>--net %1: not a number of KB/s from 1 to 1000000</source>
        <translation>--net %1: 1 ile 1000000 arasında bir KB/sn değeri değil</translation>
    </message>
    <message>
        <source>--help and --version are answered by the program that is asked</source>
        <translation>--help ve --version seçeneklerini çağrılan program yanıtlar</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>beklenmeyen bağımsız değişken: %1</translation>
    </message>
    <message>
        <source>choose one action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>tek bir işlem seçin: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ya da --display-off</translation>
    </message>
    <message>
        <source>--check stands alone</source>
        <translation>--check tek başına kullanılır</translation>
    </message>
    <message>
        <source>--autostart stands alone</source>
        <translation>--autostart tek başına kullanılır</translation>
    </message>
    <message>
        <source>choose one of --schedule, --schedules, --schedule-on, --schedule-off and --schedule-remove</source>
        <translation>yalnızca birini seçin: --schedule, --schedules, --schedule-on, --schedule-off ve --schedule-remove</translation>
    </message>
    <message>
        <source>%1 %2: not the number of a schedule</source>
        <translation>%1 %2: bir zamanlama numarası değil</translation>
    </message>
    <message>
        <source>--schedule needs an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--schedule bir işlem gerektirir: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ya da --display-off</translation>
    </message>
    <message>
        <source>choose one of --in, --at, --when-exits, --when-quiet and --when-idle</source>
        <translation>yalnızca birini seçin: --in, --at, --when-exits, --when-quiet ve --when-idle</translation>
    </message>
    <message>
        <source>--cpu, --disk and --net go with --when-quiet</source>
        <translation>--cpu, --disk ve --net, --when-quiet ile kullanılır</translation>
    </message>
    <message>
        <source>--in, --at, --when-… and --force need an action: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock or --display-off</source>
        <translation>--in, --at, --when-… ve --force bir işlem gerektirir: --logoff, --poweroff, --reboot, --sleep, --hibernate, --lock ya da --display-off</translation>
    </message>
    <message>
        <source>say when: --in H:MM:SS or --at HH:MM[:SS]</source>
        <translation>zamanı belirtin: --in H:MM:SS ya da --at HH:MM[:SS]</translation>
    </message>
    <message>
        <source>--cancel cannot be combined with an action</source>
        <translation>--cancel bir işlemle birlikte kullanılamaz</translation>
    </message>
    <message>
        <source>--in %1: not a countdown from 0:00:01 to 99:59:59</source>
        <translation>--in %1: 0:00:01 ile 99:59:59 arasında bir geri sayım değil</translation>
    </message>
    <message>
        <source>--at %1: not a time of day from 0:00:01 to 23:59:59</source>
        <translation>--at %1: 0:00:01 ile 23:59:59 arasında bir saat değil</translation>
    </message>
    <message>
        <source>days time</source>
        <translation>günler saat</translation>
    </message>
    <message>
        <source>time</source>
        <translation>saat</translation>
    </message>
    <message>
        <source>pid|name</source>
        <translation>pid|ad</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>dakika</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>yüzde</translation>
    </message>
    <message>
        <source>With --at or --schedule: wake the computer from sleep (not from hibernation or when turned off) shortly before the time.</source>
        <translation>--at ya da --schedule ile: bilgisayarı saatten kısa süre önce uykudan uyandır (hazırda bekletmeden ya da kapalıyken değil).</translation>
    </message>
    <message>
        <source>the schedule options stand alone (--schedule with an action, --force and --wake)</source>
        <translation>zamanlama seçenekleri tek başına kullanılır (--schedule yalnızca bir işlem, --force ve --wake ile)</translation>
    </message>
    <message>
        <source>--wake goes with --at or --schedule</source>
        <translation>--wake, --at ya da --schedule ile kullanılır</translation>
    </message>
    <message>
        <source>Run this command line instead of a power action (Orvanta stays); a shell only where the line names one (sh -c &quot;…&quot;).</source>
        <translation>Güç işlemi yerine bu komut satırını çalıştır (Orvanta çalışmaya devam eder); kabuk yalnızca satır bir kabuk belirtiyorsa kullanılır (sh -c &quot;…&quot;).</translation>
    </message>
    <message>
        <source>Give what the running Orvanta has armed more time: H:MM, or a number of minutes (a time of day or a schedule&apos;s occurrence comes that much later, a wait acts that much longer after its job is done).</source>
        <translation>Çalışan Orvanta&apos;nın kurduğu işlemi ertele: H:MM ya da dakika sayısı (günün saati ya da zamanlamanın sıradaki zamanı o kadar sonraya kayar, bekleme de işi bittikten o kadar daha uzun süre sonra işlemi gerçekleştirir).</translation>
    </message>
    <message>
        <source>--postpone %1: not H:MM from 0:01 to 99:59, nor a number of minutes</source>
        <translation>--postpone %1: 0:01 ile 99:59 arasında bir H:MM değeri ya da dakika sayısı değil</translation>
    </message>
    <message>
        <source>--postpone stands alone</source>
        <translation>--postpone tek başına kullanılır</translation>
    </message>
    <message>
        <source>a schedule runs no command: --run goes with --in, --at or --when-…</source>
        <translation>zamanlama komut çalıştırmaz: --run, --in, --at ya da --when-… ile kullanılır</translation>
    </message>
    <message>
        <source>--run needs a command line</source>
        <translation>--run bir komut satırı gerektirir</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Action</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Log off user</source>
        <translation>Oturumu kapat</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Bilgisayarı kapat</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Yeniden başlat</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Zorla (programların uyarıları olmadan)</translation>
    </message>
    <message>
        <source>Don&apos;t mind waiting for programs to shut down</source>
        <translation>Programların kapanmasını bekleme</translation>
    </message>
    <message>
        <source>Time settings</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Geri sayım</translation>
    </message>
    <message>
        <source>At a specific time</source>
        <translation>Belirli bir saatte</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Bildirim alanına küçült</translation>
    </message>
    <message>
        <source>Hide the window into the notification area</source>
        <translation>Pencereyi bildirim alanına gizle</translation>
    </message>
    <message>
        <source>Start timer</source>
        <translation>Zamanlayıcıyı başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Stop timer</source>
        <translation>Zamanlayıcıyı durdur</translation>
    </message>
    <message>
        <source>Requesting…</source>
        <translation>İsteniyor…</translation>
    </message>
    <message>
        <source>The request is on its way to the system</source>
        <translation>İstek sisteme gönderildi</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Bilgisayarı uyandır</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Bilgisayarı bunun için uyandır</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Bilgisayarı saatten yaklaşık iki dakika önce uykudan uyandırır; böylece uyarı görünür ve işlem gerçekleşir. Hazırda bekletilen ya da kapalı bir bilgisayar uyandırılamaz.</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Ertele</translation>
    </message>
    <message>
        <source>Give what is armed more time</source>
        <translation>Kurulu işlemi ertele</translation>
    </message>
</context>
<context>
    <name>DBusAwakeHold</name>
    <message>
        <source>GNOME session manager</source>
        <translation>GNOME oturum yöneticisi</translation>
    </message>
    <message>
        <source>the desktop&apos;s power management</source>
        <translation>masaüstünün güç yönetimi</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation>masaüstü portalı</translation>
    </message>
    <message>
        <source>logind&apos;s idle lock</source>
        <translation>logind boşta kalma kilidi</translation>
    </message>
</context>
<context>
    <name>DBusPowerRequester</name>
    <message>
        <source>The system&apos;s message bus does not answer</source>
        <translation>Sistemin ileti veri yolu yanıt vermiyor</translation>
    </message>
</context>
<context>
    <name>IdleCondition</name>
    <message>
        <source>Somebody used the computer.</source>
        <translation>Biri bilgisayarı kullandı.</translation>
    </message>
    <message>
        <source>nobody at the computer for %1 of %2</source>
        <translation>boşta: %1 / %2</translation>
    </message>
</context>
<context>
    <name>IdleSources</name>
    <message>
        <source>This desktop does not tell how long nobody has used the computer.</source>
        <translation>Bu masaüstü, bilgisayarın ne kadar süredir kullanılmadığını bildirmiyor.</translation>
    </message>
    <message>
        <source>Still finding out how this desktop tells how long nobody has used the computer.</source>
        <translation>Bu masaüstünün, bilgisayarın ne kadar süredir kullanılmadığını nasıl bildirdiği hâlâ belirleniyor.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>another program (process %1) is writing the settings; try again</source>
        <translation>başka bir program (işlem %1) ayarları yazıyor; yeniden deneyin</translation>
    </message>
    <message>
        <source>the lock %1 cannot be taken</source>
        <translation>%1 kilidi alınamıyor</translation>
    </message>
    <message>
        <source>%1; the settings are not read</source>
        <translation>%1; ayarlar okunmadı</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>%1 holds %2, far more than a settings file of this program</source>
        <translation>%1 %2 boyutunda; bu programın bir ayar dosyası için çok fazla</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>it ended before it took the command</source>
        <translation>komutu almadan önce sonlandı</translation>
    </message>
    <message>
        <source>the arguments are too long to hand over</source>
        <translation>bağımsız değişkenler aktarılamayacak kadar uzun</translation>
    </message>
</context>
<context>
    <name>LoadSampler</name>
    <message>
        <source>The system&apos;s load cannot be read from %1.</source>
        <translation>Sistemin yükü %1 konumundan okunamıyor.</translation>
    </message>
    <message>
        <source>The CPUs&apos; load cannot be read (status 0x%1).</source>
        <translation>İşlemcilerin yükü okunamıyor (durum 0x%1).</translation>
    </message>
    <message>
        <source>The network&apos;s load cannot be read: %1</source>
        <translation>Ağın yükü okunamıyor: %1</translation>
    </message>
</context>
<context>
    <name>LogindIdleSource</name>
    <message>
        <source>logind did not answer: %1</source>
        <translation>logind yanıt vermedi: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The system has not answered yet.<byte value="xd"/>
What was asked may still happen: save your work.</source>
        <translation>Sistem henüz yanıt vermedi.<byte value="xd"/>
İstenen işlem yine de gerçekleşebilir: çalışmanızı kaydedin.</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>Bildirim alanına küçült</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta hakkında</translation>
    </message>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Other programs from Brannock</source>
        <translation>Brannock&apos;un diğer programları</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Zamanlamalar…</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>On the Web</source>
        <translation>Web&apos;de</translation>
    </message>
    <message>
        <source>too late: the request is already on its way to the system</source>
        <translation>çok geç: istek sisteme zaten gönderildi</translation>
    </message>
    <message>
        <source>Orvanta is closing</source>
        <translation>Orvanta kapanıyor</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Ayarları kaydet</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Ayarları yükle</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Ayarlar %1 konumuna kaydedilemedi:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The settings could not be loaded:<byte value="xd"/>
%1<byte value="xd"/>
The defaults are used.</source>
        <translation>Ayarlar yüklenemedi:<byte value="xd"/>
%1<byte value="xd"/>
Varsayılan değerler kullanılıyor.</translation>
    </message>
    <message>
        <source>Keep the computer awake until then</source>
        <translation>Bilgisayarı işleme kadar uyanık tut</translation>
    </message>
    <message>
        <source>Command…</source>
        <translation>Komut…</translation>
    </message>
</context>
<context>
    <name>MoreTimeMenu</name>
    <message>
        <source>More time</source>
        <translation>Ertele</translation>
    </message>
    <message>
        <source>+10 minutes</source>
        <translation>+10 dakika</translation>
    </message>
    <message>
        <source>+30 minutes</source>
        <translation>+30 dakika</translation>
    </message>
    <message>
        <source>+1 hour</source>
        <translation>+1 saat</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Diğer…</translation>
    </message>
    <message>
        <source>Later by (H:MM):</source>
        <translation>Ertelenecek süre (S:DD):</translation>
    </message>
</context>
<context>
    <name>MutterIdleSource</name>
    <message>
        <source>GNOME&apos;s idle monitor has gone.</source>
        <translation>GNOME boşta kalma izleyicisi kayboldu.</translation>
    </message>
    <message>
        <source>GNOME&apos;s idle monitor did not answer: %1</source>
        <translation>GNOME boşta kalma izleyicisi yanıt vermedi: %1</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>PidfdProcessWatcher</name>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 zaten sonlandı.</translation>
    </message>
    <message>
        <source>Waiting for a program to end needs Linux 5.3 or newer.</source>
        <translation>Bir programın sonlanmasını beklemek için Linux 5.3 ya da daha yenisi gerekir.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: Orvanta has too many files open.</source>
        <translation>%1 izlenemiyor: Orvanta çok fazla dosya açmış durumda.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system has too many files open.</source>
        <translation>%1 izlenemiyor: sistemde çok fazla dosya açık.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: the system does not permit it here.</source>
        <translation>%1 izlenemiyor: sistem burada buna izin vermiyor.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 izlenemiyor: %2</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>Log off user</source>
        <translation>Oturumu kapat</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Bilgisayarı kapat</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Yeniden başlat</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Uyku</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hazırda beklet</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Ekranı kilitle</translation>
    </message>
    <message>
        <source>Turn off display</source>
        <translation>Ekranı kapat</translation>
    </message>
    <message>
        <source>The user was not logged off.</source>
        <translation>Kullanıcının oturumu kapatılmadı.</translation>
    </message>
    <message>
        <source>The computer was not turned off.</source>
        <translation>Bilgisayar kapatılmadı.</translation>
    </message>
    <message>
        <source>The computer was not restarted.</source>
        <translation>Bilgisayar yeniden başlatılmadı.</translation>
    </message>
    <message>
        <source>The computer did not go to sleep.</source>
        <translation>Bilgisayar uyku moduna geçmedi.</translation>
    </message>
    <message>
        <source>The computer did not hibernate.</source>
        <translation>Bilgisayar hazırda bekletilmedi.</translation>
    </message>
    <message>
        <source>The screen was not locked.</source>
        <translation>Ekran kilitlenmedi.</translation>
    </message>
    <message>
        <source>The display was not turned off.</source>
        <translation>Ekran kapatılmadı.</translation>
    </message>
    <message>
        <source>The system did not allow it (access denied).</source>
        <translation>Sistem buna izin vermedi (erişim engellendi).</translation>
    </message>
    <message>
        <source>Another program is blocking it.</source>
        <translation>Başka bir program bunu engelliyor.</translation>
    </message>
    <message>
        <source>The system wants a password for it, and nobody could be asked.</source>
        <translation>Sistem bunun için parola istiyor ve sorulabilecek kimse yoktu.</translation>
    </message>
    <message>
        <source>No service on this system could carry it out.</source>
        <translation>Bu sistemdeki hiçbir hizmet bunu gerçekleştiremedi.</translation>
    </message>
    <message>
        <source>The system did not answer in time, so the request itself was not sent.</source>
        <translation>Sistem zamanında yanıt vermedi, bu yüzden isteğin kendisi gönderilmedi.</translation>
    </message>
    <message>
        <source>The system says it cannot do that now.</source>
        <translation>Sistem bunu şu anda yapamayacağını bildiriyor.</translation>
    </message>
    <message>
        <source>No session manager is running that could ask the other programs to save their work. Tick Force to end the session anyway.</source>
        <translation>Diğer programlardan çalışmalarını kaydetmelerini isteyebilecek bir oturum yöneticisi çalışmıyor. Oturumu yine de sonlandırmak için “Zorla” seçeneğini işaretleyin.</translation>
    </message>
    <message>
        <source>It was asked for, but nothing on this system said that it was done.</source>
        <translation>İstendi, ancak bu sistemde hiçbir şey işlemin yapıldığını bildirmedi.</translation>
    </message>
    <message>
        <source>Another action was due at the same moment and went out instead.</source>
        <translation>Aynı ana başka bir işlem zamanlanmıştı ve bunun yerine o istendi.</translation>
    </message>
    <message>
        <source>The system refused it.</source>
        <translation>Sistem bunu reddetti.</translation>
    </message>
    <message>
        <source>The user will be logged off in %1</source>
        <translation>Kullanıcının oturumu %1 sonra kapatılacak</translation>
    </message>
    <message>
        <source>The computer will be turned off in %1</source>
        <translation>Bilgisayar %1 sonra kapatılacak</translation>
    </message>
    <message>
        <source>The computer will be restarted in %1</source>
        <translation>Bilgisayar %1 sonra yeniden başlatılacak</translation>
    </message>
    <message>
        <source>The computer will go to sleep in %1</source>
        <translation>Bilgisayar %1 sonra uyku moduna geçecek</translation>
    </message>
    <message>
        <source>The computer will hibernate in %1</source>
        <translation>Bilgisayar %1 sonra hazırda bekletilecek</translation>
    </message>
    <message>
        <source>The screen will be locked in %1</source>
        <translation>Ekran %1 sonra kilitlenecek</translation>
    </message>
    <message>
        <source>The display will be turned off in %1</source>
        <translation>Ekran %1 sonra kapatılacak</translation>
    </message>
    <message>
        <source>logging off</source>
        <translation>oturumu kapatma:</translation>
    </message>
    <message>
        <source>turning off</source>
        <translation>kapatma:</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>yeniden başlatma:</translation>
    </message>
    <message>
        <source>going to sleep</source>
        <translation>uyku:</translation>
    </message>
    <message>
        <source>hibernating</source>
        <translation>hazırda bekletme:</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>ekranı kilitleme:</translation>
    </message>
    <message>
        <source>turning off the display</source>
        <translation>ekranı kapatma:</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>%1 sonra</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>saat %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>What follows &quot;in&quot; in &quot;The computer will be turned off in %1&quot;</extracomment>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>what is done, and when: &quot;turning off&quot;, &quot;in 0:05:00&quot;</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Run a command</source>
        <translation>Komut çalıştır</translation>
    </message>
    <message>
        <source>The command was not run.</source>
        <translation>Komut çalıştırılmadı.</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>minutes and seconds left</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The command will be run in %1</source>
        <translation>Komut %1 sonra çalıştırılacak</translation>
    </message>
    <message>
        <source>running the command</source>
        <translation>komut çalıştırma:</translation>
    </message>
</context>
<context>
    <name>PowerCalls</name>
    <message>
        <source>No session manager or system service here can log off</source>
        <translation>Burada hiçbir oturum yöneticisi ya da sistem hizmeti oturumu kapatamıyor</translation>
    </message>
    <message>
        <source>No system service here can turn off the computer</source>
        <translation>Burada hiçbir sistem hizmeti bilgisayarı kapatamıyor</translation>
    </message>
    <message>
        <source>Turning off the computer needs a password here</source>
        <translation>Bilgisayarı kapatmak burada parola gerektiriyor</translation>
    </message>
    <message>
        <source>This user may not turn off the computer</source>
        <translation>Bu kullanıcı bilgisayarı kapatamaz</translation>
    </message>
    <message>
        <source>This computer cannot be turned off from here</source>
        <translation>Bu bilgisayar buradan kapatılamaz</translation>
    </message>
    <message>
        <source>No system service here can restart the computer</source>
        <translation>Burada hiçbir sistem hizmeti bilgisayarı yeniden başlatamıyor</translation>
    </message>
    <message>
        <source>Restarting needs a password here</source>
        <translation>Yeniden başlatmak burada parola gerektiriyor</translation>
    </message>
    <message>
        <source>This user may not restart the computer</source>
        <translation>Bu kullanıcı bilgisayarı yeniden başlatamaz</translation>
    </message>
    <message>
        <source>This computer cannot be restarted from here</source>
        <translation>Bu bilgisayar buradan yeniden başlatılamaz</translation>
    </message>
    <message>
        <source>No system service here can put the computer to sleep</source>
        <translation>Burada hiçbir sistem hizmeti bilgisayarı uyku moduna alamıyor</translation>
    </message>
    <message>
        <source>Sleep needs a password here</source>
        <translation>Uyku burada parola gerektiriyor</translation>
    </message>
    <message>
        <source>This user may not put the computer to sleep</source>
        <translation>Bu kullanıcı bilgisayarı uyku moduna alamaz</translation>
    </message>
    <message>
        <source>This computer cannot sleep</source>
        <translation>Bu bilgisayar uyku moduna geçemez</translation>
    </message>
    <message>
        <source>No system service here can hibernate the computer</source>
        <translation>Burada hiçbir sistem hizmeti bilgisayarı hazırda bekletemiyor</translation>
    </message>
    <message>
        <source>Hibernation needs a password here</source>
        <translation>Hazırda bekletme burada parola gerektiriyor</translation>
    </message>
    <message>
        <source>This user may not hibernate the computer</source>
        <translation>Bu kullanıcı bilgisayarı hazırda bekletemez</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer</source>
        <translation>Hazırda bekletme bu bilgisayarda kapalı</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2)</source>
        <translation>Engelleyen: “%1” (PID %2)</translation>
    </message>
    <message>
        <source>Held by &quot;%1&quot; (PID %2): %3</source>
        <translation>Engelleyen: “%1” (PID %2): %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ve %n program daha</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramEndCondition</name>
    <message>
        <source>No program was chosen to wait for.</source>
        <translation>Beklenecek bir program seçilmedi.</translation>
    </message>
    <message>
        <source>%1 has ended</source>
        <translation>%1 sonlandı</translation>
    </message>
    <message>
        <source>%1 still running</source>
        <translation>%1 hâlâ çalışıyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other(s) still running</source>
        <translation>
            <numerusform>%1 ve %n diğer program hâlâ çalışıyor</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuietCondition</name>
    <message>
        <source>The computer is busy again.</source>
        <translation>Bilgisayar yeniden meşgul.</translation>
    </message>
    <message>
        <source>quiet for %1 of %2</source>
        <translation>düşük yük: %1 / %2</translation>
    </message>
    <message>
        <source>quiet for %1 of %2 — CPU %3 %, disk %4 KB/s, network %5 KB/s</source>
        <translation>düşük yük: %1 / %2 — CPU %%3, disk %4&#xa0;KB/sn, ağ %5&#xa0;KB/sn</translation>
    </message>
</context>
<context>
    <name>RegistrySettingsStore</name>
    <message>
        <source>the registry refused the values</source>
        <translation>kayıt defteri değerleri reddetti</translation>
    </message>
</context>
<context>
    <name>RequestDesk</name>
    <message>
        <source>%1 was due at the same moment twice: it was asked for once.</source>
        <translation>“%1” aynı ana iki kez zamanlanmıştı: bir kez istendi.</translation>
    </message>
    <message>
        <source>%1 was left out: %2 was due at the same moment.</source>
        <translation>“%1” atlandı: aynı ana “%2” zamanlanmıştı.</translation>
    </message>
</context>
<context>
    <name>RunAutostart</name>
    <message>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 kaldırılamıyor: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Starting Orvanta with Windows is turned off in Windows&apos; startup settings: turn it on in Settings, Apps, Startup, or in Task Manager&apos;s Startup tab.</source>
        <translation>Orvanta&apos;nın Windows ile başlatılması Windows başlangıç ayarlarında kapalı: Ayarlar &gt; Uygulamalar &gt; Başlangıç bölümünden ya da Görev Yöneticisi&apos;nin Başlangıç sekmesinden açın.</translation>
    </message>
</context>
<context>
    <name>RunningProgram</name>
    <message>
        <source>No running program has the PID %1.</source>
        <translation>PID %1 ile çalışan bir program yok.</translation>
    </message>
    <message>
        <source>No program called “%1” is running.</source>
        <translation>“%1” adlı çalışan bir program yok.</translation>
    </message>
</context>
<context>
    <name>ScheduleEditor</name>
    <message>
        <source>Schedule</source>
        <translation>Zamanlama</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Günler:</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Her gün</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Hafta içi</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Saat:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>İşlem:</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Force (no warnings by other programs, etc.)</source>
        <translation>Zorla (programların uyarıları olmadan)</translation>
    </message>
    <message>
        <source>Wake the computer for this</source>
        <translation>Bilgisayarı bunun için uyandır</translation>
    </message>
    <message>
        <source>Wake the computer from sleep about two minutes before the time, so that the warning and the action come. It cannot wake a computer that hibernates or is turned off.</source>
        <translation>Bilgisayarı saatten yaklaşık iki dakika önce uykudan uyandırır; böylece uyarı görünür ve işlem gerçekleşir. Hazırda bekletilen ya da kapalı bir bilgisayar uyandırılamaz.</translation>
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
        <translation>%1 (Zorla)</translation>
    </message>
    <message>
        <source>on </source>
        <translation>açık  </translation>
    </message>
    <message>
        <source>off</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>No schedules.</source>
        <translation>Zamanlama yok.</translation>
    </message>
    <message>
        <source>There is no schedule %1.</source>
        <translation>%1 numaralı zamanlama yok.</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Kaldırıldı: %1</translation>
    </message>
    <message numerus="yes">
        <source>There are %n schedule(s) already.</source>
        <translation>
            <numerusform>Zaten %n zamanlama var.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, waking the computer</source>
        <translation>%1, bilgisayarı uyandırarak</translation>
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
        <translation>Sonraki: %1 %2</translation>
    </message>
</context>
<context>
    <name>ScheduleRule</name>
    <message>
        <source>Every day</source>
        <translation>Her gün</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Her %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
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
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month, as QDate::toString spells them</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday, time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Next: %1 — %2</source>
        <translation>Sonraki: %1 — %2</translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation>Kaçırıldı: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no repeating time: give the days and the time, as in &quot;mon-fri 23:30&quot;</source>
        <translation>“%1” yinelenen bir zaman değil: günleri ve saati belirtin, ör. &quot;mon-fri 23:30&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no days: use mon, tue, wed, thu, fri, sat, sun, ranges such as mon-fri, lists such as sat,sun, or daily</source>
        <translation>“%1” hiçbir gün belirtmiyor: mon, tue, wed, thu, fri, sat, sun, mon-fri gibi aralıklar, sat,sun gibi listeler ya da daily kullanın</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no time of day: use hours 0 to 23 and minutes 00 to 59, as in 23:30</source>
        <translation>“%1” bir saat değil: 0 ile 23 arası saatler ve 00 ile 59 arası dakikalar kullanın, ör. 23:30</translation>
    </message>
    <message numerus="yes">
        <source>No more than %n schedule(s) can be kept.</source>
        <translation>
            <numerusform>En fazla %n zamanlama tutulabilir.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleRunner</name>
    <message>
        <source> (instead of %1, due at the same time)</source>
        <translation> (aynı zamana düşen %1 yerine)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> (given more time: %1)</source>
        <translation> (ertelendi: %1)</translation>
    </message>
</context>
<context>
    <name>SchedulesDialog</name>
    <message>
        <source>Schedules</source>
        <translation>Zamanlamalar</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ekle…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Düzenle…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>ScreenActions</name>
    <message>
        <source>No screen locker answers in this session</source>
        <translation>Bu oturumda hiçbir ekran kilidi yanıt vermiyor</translation>
    </message>
    <message>
        <source>This desktop offers no way to turn off the display</source>
        <translation>Bu masaüstü ekranı kapatmanın bir yolunu sunmuyor</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>cannot tell whose program answers: %1</source>
        <translation>yanıt veren programın kime ait olduğu anlaşılamıyor: %1</translation>
    </message>
    <message>
        <source>the running program is not yours</source>
        <translation>çalışan program sizin değil</translation>
    </message>
</context>
<context>
    <name>TimeRow</name>
    <message>
        <source>Countdown</source>
        <translation>Geri sayım</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Günün saati</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>%1 %2; corrected when you leave the field</source>
        <translation>%1 %2; alandan çıktığınızda düzeltilir</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>döndürme düğmesi</translation>
    </message>
    <message>
        <source>Up arrow or increase adds one to %1 %2, down arrow or decrease takes one off</source>
        <translation>Yukarı ok ya da artırma %1 %2 değerine bir ekler, aşağı ok ya da azaltma bir çıkarır</translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Main</source>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Schedules…</source>
        <translation>Zamanlamalar…</translation>
    </message>
    <message>
        <source>About Orvanta</source>
        <translation>Orvanta hakkında</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
</context>
<context>
    <name>UserCommand</name>
    <message>
        <source>%1: give the program&apos;s full path, or a name found in PATH.</source>
        <translation>%1: programın tam yolunu ya da PATH içinde bulunan bir ad verin.</translation>
    </message>
    <message>
        <source>%1 is not a program that can be run.</source>
        <translation>%1 çalıştırılabilir bir program değil.</translation>
    </message>
    <message>
        <source>The program %1 was not found in PATH.</source>
        <translation>%1 programı PATH içinde bulunamadı.</translation>
    </message>
    <message>
        <source>A quote is not closed.</source>
        <translation>Bir tırnak işareti kapatılmamış.</translation>
    </message>
    <message>
        <source>Inside quotes a backslash may only come before &quot; ` $ or another backslash.</source>
        <translation>Tırnak içinde ters eğik çizgi yalnızca &quot; ` $ ya da başka bir ters eğik çizgiden önce gelebilir.</translation>
    </message>
    <message>
        <source>A quoted argument must end where the quote ends.</source>
        <translation>Tırnak içindeki bir bağımsız değişken, tırnağın kapandığı yerde bitmelidir.</translation>
    </message>
    <message>
        <source>The character %1 means something only to a shell: put the argument in double quotes, or run the command through sh -c.</source>
        <translation>%1 karakteri yalnızca bir kabuk için anlam taşır: bağımsız değişkeni çift tırnak içine alın ya da komutu sh -c ile çalıştırın.</translation>
    </message>
    <message>
        <source>No command was given.</source>
        <translation>Komut verilmedi.</translation>
    </message>
    <message>
        <source>running %1 (%2)</source>
        <translation>%1 çalışıyor (%2)</translation>
    </message>
    <message>
        <source>%1 ended with status %2 after %3.</source>
        <translation>%1, %3 sonra %2 çıkış koduyla sonlandı.</translation>
    </message>
    <message>
        <source>%1 crashed after %2.</source>
        <translation>%1, %2 sonra çöktü.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 başlatılamadı: %2</translation>
    </message>
    <message>
        <source>%1 was ended after %2.</source>
        <translation>%1, %2 sonra sonlandırıldı.</translation>
    </message>
    <message>
        <source>Its output: %1</source>
        <translation>Çıktısı: %1</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>When a program ends</source>
        <translation>Bir program sonlandığında</translation>
    </message>
    <message>
        <source>The action follows when the last of the chosen programs has ended:</source>
        <translation>İşlem, seçilen programların sonuncusu sonlandığında gerçekleşir:</translation>
    </message>
    <message>
        <source>Type to find a program</source>
        <translation>Program bulmak için yazın</translation>
    </message>
    <message>
        <source>Find a program</source>
        <translation>Program bul</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Çalışan programlar</translation>
    </message>
    <message>
        <source>When the computer is quiet</source>
        <translation>Bilgisayarın yükü düştüğünde</translation>
    </message>
    <message>
        <source>The action follows when the computer has been quiet this long. A single busy CPU or disk keeps it busy.</source>
        <translation>İşlem, bilgisayarın yükü bu süre boyunca düşük kaldığında gerçekleşir. Tek bir yoğun işlemci ya da disk bilgisayarı meşgul tutar.</translation>
    </message>
    <message>
        <source>Quiet for</source>
        <translation>Düşük yük süresi</translation>
    </message>
    <message>
        <source> min</source>
        <translation> dk</translation>
    </message>
    <message>
        <source>Each CPU&apos;s use below</source>
        <translation>Her işlemcinin kullanım sınırı</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>One busy CPU keeps the computer busy, however many it has.</source>
        <translation>Kaç işlemci olursa olsun, tek bir yoğun işlemci bilgisayarı meşgul tutar.</translation>
    </message>
    <message>
        <source>Each disk&apos;s traffic below</source>
        <translation>Her diskin trafik sınırı</translation>
    </message>
    <message>
        <source> KB/s</source>
        <translation> KB/sn</translation>
    </message>
    <message>
        <source>Read and written on the busiest disk.</source>
        <translation>En yoğun diskte okunan ve yazılan.</translation>
    </message>
    <message>
        <source>Network traffic below</source>
        <translation>Ağ trafiği sınırı</translation>
    </message>
    <message>
        <source>Received and sent on all connections together.</source>
        <translation>Tüm bağlantılarda toplam alınan ve gönderilen.</translation>
    </message>
    <message>
        <source>When nobody uses the computer</source>
        <translation>Bilgisayar boştayken</translation>
    </message>
    <message>
        <source>No keyboard or mouse input for</source>
        <translation>Klavye ya da fare kullanılmayan süre</translation>
    </message>
</context>
<context>
    <name>WaitMenu</name>
    <message>
        <source>Wait</source>
        <translation>Bekle</translation>
    </message>
    <message>
        <source>Until a program ends…</source>
        <translation>Bir program sonlanana kadar…</translation>
    </message>
    <message>
        <source>Until the computer is quiet…</source>
        <translation>Bilgisayarın yükü düşene kadar…</translation>
    </message>
    <message>
        <source>Until nobody uses the computer…</source>
        <translation>Bilgisayar boşta kalana kadar…</translation>
    </message>
</context>
<context>
    <name>WakeAlarm</name>
    <message>
        <source>there is no session bus</source>
        <translation>oturum ileti veri yolu yok</translation>
    </message>
    <message>
        <source>no systemd user manager answers</source>
        <translation>hiçbir systemd kullanıcı yöneticisi yanıt vermiyor</translation>
    </message>
    <message>
        <source>systemd %1 does not let a user&apos;s timer wake it</source>
        <translation>systemd %1, bir kullanıcının zamanlayıcısının bilgisayarı uyandırmasına izin vermiyor</translation>
    </message>
    <message>
        <source>the system was not asked yet</source>
        <translation>sisteme henüz sorulmadı</translation>
    </message>
    <message>
        <source>This system cannot wake the computer at a time: %1</source>
        <translation>Bu sistem bilgisayarı belirli bir saatte uyandıramaz: %1</translation>
    </message>
    <message>
        <source>%1, and KDE&apos;s power management may not wake it (it lacks CAP_WAKE_ALARM)</source>
        <translation>%1 ve KDE&apos;nin güç yönetimi bilgisayarı uyandıramayabilir (CAP_WAKE_ALARM yetkisi yok)</translation>
    </message>
    <message>
        <source>the power plan allows important wake timers only (Power Options, Sleep, Allow wake timers)</source>
        <translation>güç planı yalnızca önemli uyandırma zamanlayıcılarına izin veriyor (Güç Seçenekleri &gt; Uyku &gt; Uyandırma zamanlayıcılarına izin ver)</translation>
    </message>
    <message>
        <source>the power plan does not allow wake timers (Power Options, Sleep, Allow wake timers)</source>
        <translation>güç planı uyandırma zamanlayıcılarına izin vermiyor (Güç Seçenekleri &gt; Uyku &gt; Uyandırma zamanlayıcılarına izin ver)</translation>
    </message>
    <message>
        <source>no timer could be made</source>
        <translation>zamanlayıcı oluşturulamadı</translation>
    </message>
    <message>
        <source>Windows refused the wake timer (error %1)</source>
        <translation>Windows uyandırma zamanlayıcısını reddetti (hata %1)</translation>
    </message>
    <message>
        <source>this computer does not support waking by a timer</source>
        <translation>bu bilgisayar zamanlayıcıyla uyandırmayı desteklemiyor</translation>
    </message>
</context>
<context>
    <name>WarningMenu</name>
    <message>
        <source>Warning before the action</source>
        <translation>İşlemden önce uyarı</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Uyarı yok</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>1 dakika önce</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes before</source>
        <translation>
            <numerusform>%n dakika önce</numerusform>
        </translation>
    </message>
    <message>
        <source>Sound and own text…</source>
        <translation>Ses ve kendi metniniz…</translation>
    </message>
    <message>
        <source>Play the desktop&apos;s notification sound</source>
        <translation>Masaüstünün bildirim sesini çal</translation>
    </message>
    <message>
        <source>e.g. Save your work in the editor</source>
        <translation>ör. Düzenleyicideki çalışmanızı kaydedin</translation>
    </message>
    <message>
        <source>Your own text in the warning:</source>
        <translation>Uyarıdaki kendi metniniz:</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Orvanta warning</source>
        <translation>Orvanta uyarısı</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>More time</source>
        <translation>Ertele</translation>
    </message>
</context>
<context>
    <name>WaylandIdleSource</name>
    <message>
        <source>The Wayland compositor no longer answers.</source>
        <translation>Wayland bileşikleştiricisi artık yanıt vermiyor.</translation>
    </message>
</context>
<context>
    <name>WebPages</name>
    <message>
        <source>Couldn&apos;t open your default browser. Please manually goto the adress:</source>
        <translation>Varsayılan tarayıcınız açılamadı. Lütfen şu adrese kendiniz gidin:</translation>
    </message>
</context>
<context>
    <name>Win32Power</name>
    <message>
        <source>Windows does not tell which power states this computer has: %1</source>
        <translation>Windows, bu bilgisayarın hangi güç durumlarına sahip olduğunu bildirmiyor: %1</translation>
    </message>
    <message>
        <source>This computer sleeps only by turning off its display (Modern Standby).</source>
        <translation>Bu bilgisayar yalnızca ekranını kapatarak uyku moduna geçer (Modern Standby).</translation>
    </message>
    <message>
        <source>This computer cannot sleep.</source>
        <translation>Bu bilgisayar uyku moduna geçemez.</translation>
    </message>
    <message>
        <source>This computer cannot hibernate.</source>
        <translation>Bu bilgisayar hazırda bekletilemez.</translation>
    </message>
    <message>
        <source>Hibernation is turned off on this computer.</source>
        <translation>Hazırda bekletme bu bilgisayarda kapalı.</translation>
    </message>
</context>
<context>
    <name>WinAwakeHold</name>
    <message>
        <source>Windows&apos; execution state</source>
        <translation>Windows yürütme durumu</translation>
    </message>
</context>
<context>
    <name>WinIdleSource</name>
    <message>
        <source>The time of the last input cannot be read: %1</source>
        <translation>Son girişin zamanı okunamıyor: %1</translation>
    </message>
</context>
<context>
    <name>WinProcessWatcher</name>
    <message>
        <source>%1 cannot be watched: it belongs to another user or to the system.</source>
        <translation>%1 izlenemiyor: başka bir kullanıcıya ya da sisteme ait.</translation>
    </message>
    <message>
        <source>%1 has already ended.</source>
        <translation>%1 zaten sonlandı.</translation>
    </message>
    <message>
        <source>%1 cannot be watched: %2</source>
        <translation>%1 izlenemiyor: %2</translation>
    </message>
</context>
<context>
    <name>XSyncIdleSource</name>
    <message>
        <source>The X server no longer tells how long nobody has used the computer.</source>
        <translation>X sunucusu artık bilgisayarın ne kadar süredir kullanılmadığını bildirmiyor.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>Starts Orvanta in the notification area while a repeating schedule is on</source>
        <translation>Yinelenen bir zamanlama açıkken Orvanta&apos;yı bildirim alanında başlatır</translation>
    </message>
    <message>
        <source>%1 is a link to %2 and is left as it is: remove the link to let Orvanta start with your session.</source>
        <translation>%1, %2 hedefine bir bağlantı ve olduğu gibi bırakıldı: Orvanta&apos;nın oturumunuzla başlaması için bağlantıyı kaldırın.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>%1 klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 yazılamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 okunamıyor: %2.</translation>
    </message>
    <message>
        <source>%1 was not written by Orvanta and is left as it is: remove it to let Orvanta start with your session.</source>
        <translation>%1 Orvanta tarafından yazılmadı ve olduğu gibi bırakıldı: Orvanta&apos;nın oturumunuzla başlaması için onu kaldırın.</translation>
    </message>
    <message>
        <source>Starting Orvanta with your session is turned off in your desktop&apos;s settings (%1): turn it on there.</source>
        <translation>Orvanta&apos;nın oturumunuzla başlaması masaüstü ayarlarınızda kapalı (%1): oradan açın.</translation>
    </message>
    <message>
        <source>%1 cannot be removed: %2.</source>
        <translation>%1 kaldırılamıyor: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvanta carries the schedules out once it runs with your session.</source>
        <translation>Orvanta, oturumunuzla birlikte çalıştığında zamanlamaları uygular.</translation>
    </message>
    <message>
        <source>Orvanta runs on in the notification area to carry the schedules out.</source>
        <translation>Orvanta, zamanlamaları uygulamak için bildirim alanında çalışmaya devam ediyor.</translation>
    </message>
    <message>
        <source>Keep awake: %1</source>
        <translation>Uyanık tutma yöntemi: %1</translation>
    </message>
    <message>
        <source>Checking what keeps the computer awake</source>
        <translation>Bilgisayarı uyanık tutma yolu denetleniyor</translation>
    </message>
    <message>
        <source>Wake the computer</source>
        <translation>Bilgisayarı uyandır</translation>
    </message>
</context>
</TS>
