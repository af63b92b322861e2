<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Could not move %1 to %2: %3</source>
        <translation>تعذّر نقل %1 إلى %2: %3</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>تعذّرت إزالة %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another program, so Mirvale leaves it as it is. Rename or remove it to let Mirvale start at login.</source>
        <translation>%1 يخص برنامجًا آخر، لذا يتركه Mirvale كما هو. أعد تسميته أو أزِله ليبدأ Mirvale عند الولوج.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>تعذّر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
</context>
<context>
    <name>BrowseCardPanel</name>
    <message>
        <source>Browse Card</source>
        <translation>تصفّح البطاقة</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختر</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
</context>
<context>
    <name>ByteCountFormatter</name>
    <message>
        <source>Zero KB</source>
        <translation>صفر ك.بايت</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size below a kilobyte, such as &quot;512 bytes&quot;.</extracomment>
        <translation>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايت</numerusform>
            <numerusform>%n بايتات</numerusform>
            <numerusform>%n بايتًا</numerusform>
            <numerusform>%n بايت</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>%1 is the size&apos;s number, such as &quot;31.9&quot;.</extracomment>
        <translation>%1 ك.بايت</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 م.بايت</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ج.بايت</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 ت.بايت</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <translation>%1 ب.بايت</translation>
    </message>
    <message>
        <source>%1 EB</source>
        <translation>%1 إ.بايت</translation>
    </message>
</context>
<context>
    <name>CardFolderBrowser</name>
    <message>
        <source>Loading…</source>
        <translation>يُحمّل…</translation>
    </message>
</context>
<context>
    <name>CardLineTitle</name>
    <message>
        <source>%1 — ejected by the system, pull it out and reinsert</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — أخرجها النظام، اسحبها ثم أعد إدخالها</translation>
    </message>
    <message>
        <source>%1 — unmounted</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — مفصولة</translation>
    </message>
    <message>
        <source>%1 — free space unknown</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — المساحة الحرّة مجهولة</translation>
    </message>
    <message>
        <source>%1 — %2 free</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name, %2 its free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation>%1 — %2 حرّة</translation>
    </message>
</context>
<context>
    <name>CardReportText</name>
    <message>
        <source>Opened %1</source>
        <extracomment>%1 is the folder that the file manager shows, such as &quot;EOS_DIGITAL/DCIM/101CANON&quot;.</extracomment>
        <translation>فُتح %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n ملف</numerusform>
            <numerusform>%n ملف</numerusform>
            <numerusform>%n ملف</numerusform>
            <numerusform>%n ملفات</numerusform>
            <numerusform>%n ملفًا</numerusform>
            <numerusform>%n ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>%1 is the card&apos;s free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation>%1 حرّة</translation>
    </message>
</context>
<context>
    <name>CardRequests</name>
    <message>
        <source>no command runner</source>
        <translation>لا يوجد منفّذ للأوامر</translation>
    </message>
    <message>
        <source>%1 was stopped at quit</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>أُوقِف %1 عند إنهاء البرنامج</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not finish within %n seconds</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>
            <numerusform>لم ينتهِ %1 خلال %n ثانية</numerusform>
            <numerusform>لم ينتهِ %1 خلال %n ثانية</numerusform>
            <numerusform>لم ينتهِ %1 خلال %n ثانية</numerusform>
            <numerusform>لم ينتهِ %1 خلال %n ثوانٍ</numerusform>
            <numerusform>لم ينتهِ %1 خلال %n ثانية</numerusform>
            <numerusform>لم ينتهِ %1 خلال %n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>انهار %1</translation>
    </message>
    <message>
        <source>%1 exited with status %2</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;; %2 a number.</extracomment>
        <translation>خرج %1 بالحالة %2</translation>
    </message>
    <message>
        <source>the disk session stopped before %1 finished mounting or unmounting</source>
        <extracomment>%1 is the card&apos;s name or device.</extracomment>
        <translation>توقفت جلسة الأقراص قبل أن ينتهي وصل %1 أو فصله</translation>
    </message>
    <message numerus="yes">
        <source>the disk system did not respond within %n seconds</source>
        <translation>
            <numerusform>لم يستجب نظام الأقراص خلال %n ثانية</numerusform>
            <numerusform>لم يستجب نظام الأقراص خلال %n ثانية</numerusform>
            <numerusform>لم يستجب نظام الأقراص خلال %n ثانية</numerusform>
            <numerusform>لم يستجب نظام الأقراص خلال %n ثوانٍ</numerusform>
            <numerusform>لم يستجب نظام الأقراص خلال %n ثانية</numerusform>
            <numerusform>لم يستجب نظام الأقراص خلال %n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk session stopped before %1 could be unmounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>توقفت جلسة الأقراص قبل أن يتسنى فصل %1</translation>
    </message>
    <message>
        <source>could not create a disk reference for %1</source>
        <translation>تعذّر إنشاء مرجع قرص من أجل %1</translation>
    </message>
    <message>
        <source>no mount path to unmount</source>
        <translation>لا يوجد مسار وصل لفصله</translation>
    </message>
</context>
<context>
    <name>CardUnmounter</name>
    <message>
        <source>%1 is using %2: close its window on the card, then Unmount again</source>
        <extracomment>%1: a program (&quot;Dolphin&quot;), %2: the card&apos;s name</extracomment>
        <translation>%1 يستخدم %2: أغلق نافذته على البطاقة، ثم اختر «افصل» مجددًا</translation>
    </message>
    <message>
        <source>%1 are using %2: close their windows on the card, then Unmount again</source>
        <extracomment>%1: programs (&quot;Dolphin and Konsole&quot;), %2: the card&apos;s name</extracomment>
        <translation>%1 تستخدم %2: أغلق نوافذها على البطاقة، ثم اختر «افصل» مجددًا</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: mirvale [OPTION...]
Waits for camera cards and shows each one&apos;s pictures in the file manager.

Options:
  -h, --help                        show this summary and exit
  --version                         show the version and exit
  --snapshot-settings FILE [light]  draw the settings window into FILE (PNG) and exit

Qt&apos;s own options are accepted too: -platform NAME, -display DISPLAY, -style STYLE, -session ID and the others Qt documents.

Rules and settings: %1
Log: %2
</source>
        <translation>الاستخدام: mirvale [OPTION...]
ينتظر بطاقات الكاميرا ويعرض صور كل منها في مدير الملفات.

الخيارات:
  -h, --help                        اعرض هذا الملخص واخرج
  --version                         اعرض الإصدار واخرج
  --snapshot-settings FILE [light]  ارسم نافذة الإعدادات في FILE (PNG) واخرج

خيارات Qt الخاصة مقبولة أيضًا: -platform NAME و -display DISPLAY و -style STYLE و -session ID وغيرها مما يوثّقه Qt.

القواعد والإعدادات: %1
السجل: %2
</translation>
    </message>
    <message>
        <source>mirvale: unknown option %1</source>
        <translation>mirvale: خيار مجهول %1</translation>
    </message>
</context>
<context>
    <name>ControlCommands</name>
    <message>
        <source>Mirvale is not running</source>
        <translation>Mirvale لا يعمل</translation>
    </message>
    <message>
        <source>cards takes only --json</source>
        <translation>لا يقبل cards إلا --json</translation>
    </message>
    <message>
        <source>open takes one CARD</source>
        <translation>يتطلب open وسيطًا واحدًا CARD</translation>
    </message>
    <message>
        <source>eject takes one CARD</source>
        <translation>يتطلب eject وسيطًا واحدًا CARD</translation>
    </message>
    <message>
        <source>get takes one KEY</source>
        <translation>يتطلب get وسيطًا واحدًا KEY</translation>
    </message>
    <message>
        <source>set takes a KEY and a VALUE</source>
        <translation>يتطلب set وسيطين: KEY و VALUE</translation>
    </message>
    <message>
        <source>Commands for the running Mirvale:
  cards [--json]                     list the cards, as the menu shows them
  open CARD                          open a card (a name, mount path or device),
                                     mounting it first when needed
  eject CARD                         unmount a card
  pause | resume                     stop or go on watching for cards
  settings                           show the settings window
  get KEY                            print a setting&apos;s value
  set KEY VALUE                      change a setting (true or false; reportWith:
                                     panels or desktop)
Exit status: 1 refused (the reason on standard error), 4 Mirvale is not running.
</source>
        <translation>أوامر Mirvale العامل:
  cards [--json]                     اسرد البطاقات كما تعرضها القائمة
  open CARD                          افتح بطاقة (باسمها أو مسار وصلها أو جهازها)،
                                     مع وصلها أولًا عند الحاجة
  eject CARD                         افصل بطاقة
  pause | resume                     أوقف مراقبة البطاقات أو استأنفها
  settings                           اعرض نافذة الإعدادات
  get KEY                            اطبع قيمة إعداد
  set KEY VALUE                      غيّر إعدادًا (true أو false؛ و reportWith:
                                     panels أو desktop)
حالة الخروج: 1 رُفض الطلب (السبب في الخطأ القياسي)، 4 Mirvale لا يعمل.
</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>لا يقبل %1 أي وسائط</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>أمر مجهول %1</translation>
    </message>
</context>
<context>
    <name>ControlInterface</name>
    <message>
        <source>No card matches &quot;%1&quot;; name a card by its name, mount path or device</source>
        <extracomment>%1 is what the caller named the card.</extracomment>
        <translation>لا توجد بطاقة تطابق &quot;%1&quot;؛ سمِّ البطاقة باسمها أو مسار وصلها أو جهازها</translation>
    </message>
    <message>
        <source>no outcome within %1; the card may still open</source>
        <extracomment>%1 is a time, such as &quot;45s&quot;.</extracomment>
        <translation>لا نتيجة خلال %1؛ قد تُفتح البطاقة لاحقًا</translation>
    </message>
    <message>
        <source>%1 is not mounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 ليست موصولة</translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays paused</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation>تعذّر حفظ الإعدادات؛ يبقى Mirvale متوقفًا مؤقتًا</translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays watching</source>
        <translation>تعذّر حفظ الإعدادات؛ يواصل Mirvale المراقبة</translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays paused</source>
        <translation>تعذّر حفظ الإعدادات (%1)؛ يبقى Mirvale متوقفًا مؤقتًا</translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays watching</source>
        <translation>تعذّر حفظ الإعدادات (%1)؛ يواصل Mirvale المراقبة</translation>
    </message>
</context>
<context>
    <name>ControlTool</name>
    <message>
        <source>usage: mirvalectl COMMAND [OPTIONS]

Commands:
  validate FILE                      check a rules file (rules.json or an export)
  resolve --rules FILE [--name NAME] CARD_DIR
                                     show what Mirvale would open for a card

Run &apos;mirvalectl COMMAND --help&apos; for the details of a command.
</source>
        <translation>الاستخدام: mirvalectl COMMAND [OPTIONS]

الأوامر:
  validate FILE                      افحص ملف قواعد (rules.json أو ملفًا مُصدَّرًا)
  resolve --rules FILE [--name NAME] CARD_DIR
                                     اعرض ما سيفتحه Mirvale لبطاقة

شغّل &apos;mirvalectl COMMAND --help&apos; لتفاصيل أي أمر.
</translation>
    </message>
    <message>
        <source>usage: mirvalectl validate FILE

Decodes FILE as a Mirvale rules file and checks the rules as the settings window does.
Prints one line per finding, in order, as &apos;error: MESSAGE&apos; or &apos;warning: MESSAGE&apos;.

Exit status: 0 no errors (warnings allowed), 1 at least one error,
2 the file cannot be read or is not a rules file.
</source>
        <translation>الاستخدام: mirvalectl validate FILE

يفك ترميز FILE كملف قواعد Mirvale ويفحص القواعد كما تفعل نافذة الإعدادات.
يطبع سطرًا لكل ملاحظة، بالترتيب، بالشكل &apos;خطأ: MESSAGE&apos; أو &apos;تحذير: MESSAGE&apos;.

حالة الخروج: 0 لا أخطاء (التحذيرات مسموحة)، 1 خطأ واحد على الأقل،
2 تعذّرت قراءة الملف أو ليس ملف قواعد.
</translation>
    </message>
    <message>
        <source>usage: mirvalectl resolve --rules FILE [--name VOLUME_NAME] CARD_DIR

Treats CARD_DIR as a mounted card named VOLUME_NAME (default: the last component of
CARD_DIR), chooses the first matching rule of FILE and resolves the folder to open.
Prints one JSON object: rule, ruleId, folder, relativePath, usedFallbackToRoot,
newestFolderName, newestFile, note and call (the org.freedesktop.FileManager1 method
Mirvale calls for it, with its URIs, startup id and the window placement it then
applies; try it with dbus-send).
Diagnostics go to standard error in the log&apos;s line format.

Exit status: 0 a rule matched, 3 no rule matched, 2 unreadable or undecodable FILE,
or CARD_DIR is not a directory.
</source>
        <translation>الاستخدام: mirvalectl resolve --rules FILE [--name VOLUME_NAME] CARD_DIR

يعامل CARD_DIR كبطاقة موصولة اسمها VOLUME_NAME (المبدئي: آخر مكوّن من
CARD_DIR)، ويختار أول قاعدة مطابقة من FILE ويحدد المجلد الذي سيُفتح.
يطبع كائن JSON واحدًا: rule، ruleId، folder، relativePath، usedFallbackToRoot،
newestFolderName، newestFile، note و call (أسلوب org.freedesktop.FileManager1 الذي
يستدعيه Mirvale لذلك، مع عناوين URI ومعرّف البدء وموضع النافذة الذي يطبّقه
بعدها؛ جرّبه باستخدام dbus-send).
تذهب رسائل التشخيص إلى الخطأ القياسي بتنسيق أسطر السجل.

حالة الخروج: 0 طابقت قاعدة، 3 لم تطابق أي قاعدة، 2 ملف FILE غير مقروء أو تعذّر فك ترميزه،
أو CARD_DIR ليس مجلدًا.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>validate takes exactly one FILE</source>
        <translation>يتطلب validate ملفًا واحدًا FILE بالضبط</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>خيار مجهول %1</translation>
    </message>
    <message>
        <source>validate needs a FILE</source>
        <translation>يحتاج validate إلى FILE</translation>
    </message>
    <message>
        <source>error: %1</source>
        <extracomment>A finding of `mirvalectl validate`; %1 is its message.</extracomment>
        <translation>خطأ: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>تحذير: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>يحتاج %1 إلى قيمة</translation>
    </message>
    <message>
        <source>resolve takes one CARD_DIR</source>
        <translation>يتطلب resolve وسيطًا واحدًا CARD_DIR</translation>
    </message>
    <message>
        <source>resolve needs --rules FILE</source>
        <translation>يحتاج resolve إلى --rules FILE</translation>
    </message>
    <message>
        <source>resolve needs a CARD_DIR</source>
        <translation>يحتاج resolve إلى CARD_DIR</translation>
    </message>
    <message>
        <source>%1 is not a directory</source>
        <translation>%1 ليس مجلدًا</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not UTF-8; Mirvale reads only names in UTF-8</source>
        <translation>الوسيط &quot;%1&quot; ليس بترميز UTF-8؛ لا يقرأ Mirvale إلا الأسماء بترميز UTF-8</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>لم يُعطَ أي أمر</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>أمر مجهول %1</translation>
    </message>
</context>
<context>
    <name>Coordinator</name>
    <message>
        <source>%1 does not answer: pull it out and insert it again</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 لا تستجيب: اسحبها ثم أدخلها مجددًا</translation>
    </message>
    <message>
        <source>%1 was removed before it could be opened</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>أُزيلت %1 قبل أن يتسنى فتحها</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>خطأ مجهول</translation>
    </message>
    <message>
        <source>Mirvale settings</source>
        <translation>إعدادات Mirvale</translation>
    </message>
    <message>
        <source>Your change could not be saved: %1</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation>تعذّر حفظ التغيير: %1</translation>
    </message>
    <message>
        <source>%1 is ejected (powered down but still in the slot); reinsert it to use it</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 مُخرَجة (أُطفئت لكنها ما زالت في المنفذ)؛ أعد إدخالها لاستخدامها</translation>
    </message>
    <message>
        <source>no readable card was found at %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>لم يُعثر على بطاقة مقروءة في %1</translation>
    </message>
    <message>
        <source>That card is no longer mounted.</source>
        <translation>لم تعد تلك البطاقة موصولة.</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Unmounted. The card can be removed.</source>
        <translation>فُصلت البطاقة. يمكن نزعها الآن.</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>اعرض المجلد</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>افصل</translation>
    </message>
</context>
<context>
    <name>FileManagerErrors</name>
    <message>
        <source>the file manager quit during the call</source>
        <translation>أُغلق مدير الملفات أثناء الاستدعاء</translation>
    </message>
    <message>
        <source>unknown file manager error</source>
        <translation>خطأ مجهول في مدير الملفات</translation>
    </message>
    <message>
        <source>No file manager is available to show folders. Mirvale needs one that offers org.freedesktop.FileManager1 on the desktop session; start or install one.</source>
        <translation>لا يوجد مدير ملفات متاح لعرض المجلدات. يحتاج Mirvale إلى مدير ملفات يوفّر org.freedesktop.FileManager1 في جلسة سطح المكتب؛ شغّل واحدًا أو ثبّته.</translation>
    </message>
</context>
<context>
    <name>FileManagerStatus</name>
    <message>
        <source>File manager: —</source>
        <translation>مدير الملفات: —</translation>
    </message>
    <message>
        <source>File manager: Checking…</source>
        <translation>مدير الملفات: يفحص…</translation>
    </message>
    <message>
        <source>File manager: found</source>
        <translation>مدير الملفات: موجود</translation>
    </message>
    <message>
        <source>File manager: %1</source>
        <extracomment>%1 is the file manager&apos;s name, as &quot;Files&quot; or &quot;Dolphin&quot;.</extracomment>
        <translation>مدير الملفات: %1</translation>
    </message>
    <message>
        <source>File manager: none found</source>
        <translation>مدير الملفات: لم يُعثر على أي مدير</translation>
    </message>
</context>
<context>
    <name>FirstRunHint</name>
    <message>
        <source>Got it</source>
        <translation>فهمت</translation>
    </message>
    <message>
        <source>Another Application May Also Open</source>
        <translation>قد يُفتح تطبيق آخر أيضًا</translation>
    </message>
    <message>
        <source>Open Removable Media Settings</source>
        <translation>افتح إعدادات الوسائط المتنقلة</translation>
    </message>
    <message>
        <source>Xfce may also open a window or offer to import photos when you insert a card, and its setting is for every drive and medium, not camera cards only. To stop it: open Removable Drives and Media and turn off “Browse removable media when inserted” and, under Cameras, “Import digital photographs when connected”.</source>
        <translation>قد يفتح Xfce أيضًا نافذة أو يعرض استيراد الصور عند إدخال بطاقة، وإعداده يسري على كل الأقراص والوسائط، لا على بطاقات الكاميرا وحدها. لإيقاف ذلك: افتح «أجهزة و وسائط متنقلة» وعطّل «تصفح الوسائط المتنقلة عند إدخالها»، وتحت «كاميرات» عطّل «استيراد الصور الرقمية عند التوصيل».</translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open your desktop’s settings, find what happens when media is inserted, and choose to do nothing for photos.</source>
        <translation>قد يفتح سطح المكتب أيضًا نافذة أو تطبيقًا عند إدخال بطاقة. لإيقاف ذلك: افتح إعدادات سطح المكتب، وابحث عمّا يحدث عند إدخال الوسائط، واختر عدم فعل شيء للصور.</translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open Removable Media in Settings and set “Photos” to “Do nothing”.</source>
        <translation>قد يفتح سطح المكتب أيضًا نافذة أو تطبيقًا عند إدخال بطاقة. لإيقاف ذلك: افتح «الوسائط المنفصلة» في الإعدادات واضبط «الصور» على «لا تفعل شيئا».</translation>
    </message>
</context>
<context>
    <name>HintBar</name>
    <message>
        <source>Hint</source>
        <translation>تلميح</translation>
    </message>
</context>
<context>
    <name>JsonDocument</name>
    <message>
        <source>The data could not be read as JSON: %1</source>
        <translation>تعذّرت قراءة البيانات على أنها JSON: %1</translation>
    </message>
</context>
<context>
    <name>JsonGuard</name>
    <message>
        <source>The member %1 appears twice in the same object%2.</source>
        <extracomment>%1 is the member&apos;s name, %2 where the object is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation>العضو %1 مكرّر في الكائن نفسه%2.</translation>
    </message>
    <message>
        <source>The data is not valid JSON: %1</source>
        <extracomment>%1 is the JSON parser&apos;s own message.</extracomment>
        <translation>البيانات ليست JSON صالحًا: %1</translation>
    </message>
    <message>
        <source>The data is nested more than %1 levels deep%2.</source>
        <extracomment>%1 is a number of levels, %2 where the data is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation>البيانات متداخلة بعمق يتجاوز %1 من المستويات%2.</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> في %1</translation>
    </message>
    <message>
        <source>The data is not valid JSON: a NUL byte at offset %1.</source>
        <translation>البيانات ليست JSON صالحًا: بايت NUL عند الإزاحة %1.</translation>
    </message>
    <message>
        <source>The data is not valid JSON.</source>
        <translation>البيانات ليست JSON صالحًا.</translation>
    </message>
</context>
<context>
    <name>MirvaleError</name>
    <message>
        <source>File manager error: %1</source>
        <extracomment>%1 is the file manager&apos;s own message.</extracomment>
        <translation>خطأ في مدير الملفات: %1</translation>
    </message>
    <message>
        <source>Folder not found: %1</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>لم يُعثر على المجلد: %1</translation>
    </message>
    <message>
        <source>Disk error: %1</source>
        <extracomment>%1 is the disk service&apos;s own message.</extracomment>
        <translation>خطأ في القرص: %1</translation>
    </message>
    <message>
        <source>The file manager did not respond in time.</source>
        <translation>لم يستجب مدير الملفات في الوقت المحدد.</translation>
    </message>
    <message>
        <source>No rule matches this card.</source>
        <translation>لا توجد قاعدة تطابق هذه البطاقة.</translation>
    </message>
    <message>
        <source>Mirvale is not allowed to control the file manager. Allow it in the desktop’s settings, or install or start another file manager.</source>
        <translation>لا يُسمح لـ Mirvale بالتحكم في مدير الملفات. اسمح له بذلك في إعدادات سطح المكتب، أو ثبّت مدير ملفات آخر أو شغّله.</translation>
    </message>
    <message>
        <source>Still waiting for the file manager to answer an earlier request.</source>
        <translation>ما زال بانتظار رد مدير الملفات على طلب سابق.</translation>
    </message>
</context>
<context>
    <name>NoTrayNotice</name>
    <message>
        <source>Mirvale is running without a tray icon: open it from the applications menu to change its settings</source>
        <translation>يعمل Mirvale دون أيقونة في صينية النظام: افتحه من قائمة التطبيقات لتغيير إعداداته</translation>
    </message>
</context>
<context>
    <name>NotificationPanel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says as a report panel appears: the card&apos;s name, then the report.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>From the keyboard: the card&apos;s line in Mirvale&apos;s tray menu opens it, and Unmount there unmounts it.</source>
        <translation>من لوحة المفاتيح: سطر البطاقة في قائمة Mirvale في صينية النظام يفتحها، و«افصل» هناك يفصلها.</translation>
    </message>
    <message>
        <source>From the keyboard: the card&apos;s line in Mirvale&apos;s tray menu opens it.</source>
        <translation>من لوحة المفاتيح: سطر البطاقة في قائمة Mirvale في صينية النظام يفتحها.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>مشكلة</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>افصل</translation>
    </message>
</context>
<context>
    <name>PosixFileAccess</name>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2.</source>
        <translation>تعذّر حفظ الملف &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created: %2.</source>
        <translation>تعذّر إنشاء المجلد &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>تعذّرت قراءة الملف &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: it is not a regular file.</source>
        <translation>تعذّرت قراءة الملف &quot;%1&quot;: ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large (%2 bytes; at most %3 are read).</source>
        <translation>الملف &quot;%1&quot; كبير جدًا (%2 بايت؛ يُقرأ %3 على الأكثر).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; grew too large while it was read.</source>
        <translation>كبر الملف &quot;%1&quot; أكثر من اللازم أثناء قراءته.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be moved: %2.</source>
        <translation>تعذّر نقل الملف &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Photos (DCIM)</source>
        <translation>صور (DCIM)</translation>
    </message>
    <message>
        <source>AVCHD video (PRIVATE/AVCHD/BDMV/STREAM)</source>
        <translation>فيديو AVCHD (PRIVATE/AVCHD/BDMV/STREAM)</translation>
    </message>
    <message>
        <source>Sony XAVC (PRIVATE/M4ROOT/CLIP)</source>
        <translation>Sony XAVC (PRIVATE/M4ROOT/CLIP)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Rule</name>
    <message>
        <source>Any card</source>
        <translation>أي بطاقة</translation>
    </message>
    <message>
        <source>Card named %1</source>
        <extracomment>%1 is the card&apos;s name, as the rule matches it.</extracomment>
        <translation>بطاقة اسمها %1</translation>
    </message>
    <message>
        <source>%1 → newest, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1 ← الأحدث، حدّد آخر ملف</translation>
    </message>
    <message>
        <source>%1 → newest</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1 ← الأحدث</translation>
    </message>
    <message>
        <source>%1, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1، حدّد آخر ملف</translation>
    </message>
</context>
<context>
    <name>RuleEditorControls</name>
    <message>
        <source>&amp;Rule</source>
        <translation>ال&amp;قاعدة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>مفعّلة</translation>
    </message>
    <message>
        <source>&amp;When a card is inserted</source>
        <translation>&amp;عند إدخال بطاقة</translation>
    </message>
    <message>
        <source>Card named</source>
        <translation>بطاقة اسمها</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>اسم البطاقة</translation>
    </message>
    <message>
        <source>Card name from a mounted card</source>
        <translation>اسم البطاقة من بطاقة موصولة</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>المحفّز</translation>
    </message>
    <message>
        <source>Any card that contains the folder below</source>
        <translation>أي بطاقة تحتوي المجلد أدناه</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>ا&amp;فتح</translation>
    </message>
    <message>
        <source>The folder to open on the card</source>
        <translation>المجلد الذي سيُفتح على البطاقة</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>المجلد</translation>
    </message>
    <message>
        <source>&amp;Browse card…</source>
        <translation>&amp;تصفّح البطاقة…</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>المسار</translation>
    </message>
    <message>
        <source>Then open the newest folder inside it</source>
        <translation>ثم افتح أحدث مجلد بداخله</translation>
    </message>
    <message>
        <source>Then select the newest file in that folder</source>
        <translation>ثم حدّد أحدث ملف في ذلك المجلد</translation>
    </message>
    <message>
        <source>Wi&amp;ndow</source>
        <translation>الن&amp;افذة</translation>
    </message>
    <message>
        <source>Place the window</source>
        <translation>ضع النافذة</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>اليسار</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>الأعلى</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Ca&amp;pture from front file manager window</source>
        <translation>ال&amp;تقط من نافذة مدير الملفات الأمامية</translation>
    </message>
    <message>
        <source>Bring the window to the front</source>
        <translation>اجلب النافذة إلى الأمام</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>إ&amp;ضافات</translation>
    </message>
    <message>
        <source>Move the mouse to</source>
        <translation>حرّك الفأرة إلى</translation>
    </message>
    <message>
        <source>&amp;Use current mouse position</source>
        <translation>ا&amp;ستخدم موضع الفأرة الحالي</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>النقطة</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>&amp;Hide extras</source>
        <translation>أ&amp;خفِ الإضافات</translation>
    </message>
</context>
<context>
    <name>RuleEditorLogic</name>
    <message>
        <source>Smart (first that exists)</source>
        <translation>ذكي (أول مجلد موجود)</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>مخصّص…</translation>
    </message>
    <message>
        <source>Pick mounted card</source>
        <translation>اختر بطاقة موصولة</translation>
    </message>
    <message>
        <source>Width and Height must be whole numbers from 200 to 20000.</source>
        <translation>يجب أن يكون العرض والارتفاع أعدادًا صحيحة من 200 إلى 20000.</translation>
    </message>
    <message>
        <source>Left and Top must be whole numbers from -20000 to 20000.</source>
        <translation>يجب أن يكون اليسار والأعلى أعدادًا صحيحة من -20000 إلى 20000.</translation>
    </message>
    <message>
        <source>X and Y must be whole numbers from -20000 to 20000.</source>
        <translation>يجب أن يكون X و Y أعدادًا صحيحة من -20000 إلى 20000.</translation>
    </message>
    <message>
        <source>That value is out of range.</source>
        <translation>تلك القيمة خارج النطاق.</translation>
    </message>
    <message>
        <source>Select a rule, or press + to add one.</source>
        <translation>حدّد قاعدة، أو اضغط + لإضافة واحدة.</translation>
    </message>
    <message>
        <source>Couldn’t Read the File Manager Window</source>
        <translation>تعذّرت قراءة نافذة مدير الملفات</translation>
    </message>
    <message>
        <source>Couldn’t read the front file manager window. Make sure a file manager window is open and Mirvale is allowed to control the file manager.</source>
        <translation>تعذّرت قراءة نافذة مدير الملفات الأمامية. تأكد من أن نافذة مدير ملفات مفتوحة وأن Mirvale مسموح له بالتحكم في مدير الملفات.</translation>
    </message>
</context>
<context>
    <name>RuleListModel</name>
    <message>
        <source>Enabled: %1</source>
        <extracomment>What a screen reader says for a rule&apos;s check box; %1 is the rule&apos;s name.</extracomment>
        <translation>مفعّلة: %1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A rule&apos;s second line: which cards it matches, then what it opens.</extracomment>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>RuleListPane</name>
    <message>
        <source>Rules</source>
        <translation>القواعد</translation>
    </message>
    <message>
        <source>Arrows choose a rule, Space turns it on or off, Alt+Up and Alt+Down move it, Delete removes it.</source>
        <translation>تختار الأسهم قاعدة، ويفعّلها Space أو يعطّلها، وينقلها Alt+Up و Alt+Down، ويزيلها Delete.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s tooltip: what it does and its key, as &quot;Add rule (Ctrl+N)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation>صِل البطاقات عند إدخالها</translation>
    </message>
    <message>
        <source>When the desktop does not mount a card within moments of its insertion, Mirvale mounts it.</source>
        <translation>عندما لا يصل سطح المكتب بطاقةً خلال لحظات من إدخالها، يصلها Mirvale.</translation>
    </message>
    <message>
        <source>Show reports as:</source>
        <translation>اعرض التقارير على شكل:</translation>
    </message>
    <message>
        <source>Show reports as</source>
        <translation>اعرض التقارير على شكل</translation>
    </message>
    <message>
        <source>Mirvale&apos;s panels</source>
        <translation>لوحات Mirvale</translation>
    </message>
    <message>
        <source>the desktop&apos;s notifications</source>
        <translation>تنبيهات سطح المكتب</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>أضف قاعدة</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>أزِل القاعدة</translation>
    </message>
    <message>
        <source>Move rule up</source>
        <translation>انقل القاعدة لأعلى</translation>
    </message>
    <message>
        <source>Move rule down</source>
        <translation>انقل القاعدة لأسفل</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>ا&amp;ستورد…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;صدّر…</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;عام</translation>
    </message>
    <message>
        <source>Open cards already inserted at launch</source>
        <translation>افتح البطاقات المُدخلة مسبقًا عند بدء التشغيل</translation>
    </message>
    <message>
        <source>Show a panel when a card opens</source>
        <translation>اعرض لوحة عند فتح بطاقة</translation>
    </message>
    <message>
        <source>Show Unmount in the menu</source>
        <translation>اعرض «افصل» في القائمة</translation>
    </message>
</context>
<context>
    <name>RuleTransfer</name>
    <message>
        <source>Couldn’t import “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>تعذّر استيراد «%1»</translation>
    </message>
    <message>
        <source>Couldn’t export “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>تعذّر تصدير «%1»</translation>
    </message>
    <message>
        <source>The file is not valid JSON (line %1, column %2).</source>
        <translation>الملف ليس JSON صالحًا (السطر %1، العمود %2).</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>الملف ليس JSON صالحًا.</translation>
    </message>
    <message>
        <source>Rule %1: %2.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 what is wrong with it.</extracomment>
        <translation>القاعدة %1: %2.</translation>
    </message>
    <message>
        <source>Rule %1, “%2”: %3.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 the setting&apos;s name as the file spells it, %3 what is wrong.</extracomment>
        <translation>القاعدة %1، «%2»: %3.</translation>
    </message>
</context>
<context>
    <name>RuleValidator</name>
    <message>
        <source>%1: %2 must be between %3 and %4.</source>
        <extracomment>%1 is the rule&apos;s name, %2 the value&apos;s name (&quot;placement width&quot;), %3 and %4 numbers.</extracomment>
        <translation>%1: يجب أن تكون قيمة %2 بين %3 و %4.</translation>
    </message>
    <message>
        <source>%1: rule name cannot be empty.</source>
        <translation>%1: لا يمكن أن يكون اسم القاعدة فارغًا.</translation>
    </message>
    <message>
        <source>%1: card name cannot be empty.</source>
        <translation>%1: لا يمكن أن يكون اسم البطاقة فارغًا.</translation>
    </message>
    <message>
        <source>%1: custom folder path cannot be empty.</source>
        <translation>%1: لا يمكن أن يكون مسار المجلد المخصّص فارغًا.</translation>
    </message>
    <message>
        <source>%1: custom folder path must be relative to the card, not absolute.</source>
        <translation>%1: يجب أن يكون مسار المجلد المخصّص نسبيًا إلى البطاقة، لا مطلقًا.</translation>
    </message>
    <message>
        <source>%1: custom folder path cannot contain &quot;..&quot;.</source>
        <translation>%1: لا يمكن أن يحتوي مسار المجلد المخصّص على &quot;..&quot;.</translation>
    </message>
    <message>
        <source>placement width</source>
        <translation>عرض النافذة</translation>
    </message>
    <message>
        <source>placement height</source>
        <translation>ارتفاع النافذة</translation>
    </message>
    <message>
        <source>placement left</source>
        <translation>يسار النافذة</translation>
    </message>
    <message>
        <source>placement top</source>
        <translation>أعلى النافذة</translation>
    </message>
    <message>
        <source>mouse warp x</source>
        <translation>الإحداثي X للفأرة</translation>
    </message>
    <message>
        <source>mouse warp y</source>
        <translation>الإحداثي Y للفأرة</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches the same card and folder as &quot;%2&quot;.</source>
        <extracomment>%1 and %2 are rules&apos; names.</extracomment>
        <translation>&quot;%1&quot; و &quot;%2&quot; تطابقان البطاقة نفسها والمجلد نفسه.</translation>
    </message>
    <message>
        <source>Untitled rule</source>
        <translation>قاعدة بلا اسم</translation>
    </message>
    <message>
        <source>%1: duplicate rule id.</source>
        <translation>%1: معرّف قاعدة مكرّر.</translation>
    </message>
    <message>
        <source>More than one &quot;any card, smart folder&quot; rule; only the first can ever match.</source>
        <translation>أكثر من قاعدة «أي بطاقة، مجلد ذكي»؛ لا يمكن أن تطابق إلا الأولى منها.</translation>
    </message>
</context>
<context>
    <name>RulesFormat</name>
    <message>
        <source> at the top level</source>
        <translation> في المستوى الأعلى</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> في %1</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>كائن</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>مصفوفة</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>سلسلة نصية</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>قيمة منطقية</translation>
    </message>
    <message>
        <source>a number with a fraction or exponent</source>
        <translation>عدد بكسر عشري أو أُس</translation>
    </message>
    <message>
        <source>an integer</source>
        <translation>عدد صحيح</translation>
    </message>
    <message>
        <source>an unsupported value</source>
        <translation>قيمة غير مدعومة</translation>
    </message>
    <message>
        <source>Expected %1 but found %2%3.</source>
        <extracomment>%1 and %2 are kinds of value (&quot;a string&quot;), %3 where it is (&quot; at rules[2].name&quot;).</extracomment>
        <translation>كان المتوقع %1 لكن وُجد %2%3.</translation>
    </message>
    <message>
        <source>A required value is missing%1.</source>
        <extracomment>%1 is where the value is missing (&quot; at rules[2].name&quot;).</extracomment>
        <translation>قيمة مطلوبة مفقودة%1.</translation>
    </message>
    <message>
        <source>The number %1 does not fit a 64-bit integer%2.</source>
        <extracomment>%1 is a number, %2 where it is (&quot; at rules[2].placement.left&quot;).</extracomment>
        <translation>العدد %1 لا يتّسع في عدد صحيح من 64 بت%2.</translation>
    </message>
    <message>
        <source>The rule id is not a UUID in 8-4-4-4-12 form%1.</source>
        <extracomment>%1 is where the id is (&quot; at rules[2].id&quot;).</extracomment>
        <translation>معرّف القاعدة ليس UUID بصيغة 8-4-4-4-12%1.</translation>
    </message>
    <message>
        <source>Unknown VolumeMatch kind &quot;%1&quot;</source>
        <translation>نوع VolumeMatch مجهول &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Unknown Preset &quot;%1&quot;%2.</source>
        <extracomment>%1 is the value found, %2 where it is (&quot; at rules[2].subfolder.preset&quot;).</extracomment>
        <translation>قيمة Preset مجهولة &quot;%1&quot;%2.</translation>
    </message>
    <message>
        <source>Unknown Subfolder kind &quot;%1&quot;</source>
        <translation>نوع Subfolder مجهول &quot;%1&quot;</translation>
    </message>
    <message>
        <source>an array of rules</source>
        <translation>مصفوفة قواعد</translation>
    </message>
    <message>
        <source>a settings object</source>
        <translation>كائن إعدادات</translation>
    </message>
</context>
<context>
    <name>SettingKeys</name>
    <message>
        <source>%1 takes true or false, not &quot;%2&quot;</source>
        <translation>يقبل %1 القيمة true أو false، لا &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 takes panels or desktop, not &quot;%2&quot;</source>
        <translation>يقبل %1 القيمة panels أو desktop، لا &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;; the settings are: %2</source>
        <translation>إعداد مجهول &quot;%1&quot;؛ الإعدادات هي: %2</translation>
    </message>
</context>
<context>
    <name>SettingsBottomBar</name>
    <message>
        <source>Save the rules (%1)</source>
        <translation>احفظ القواعد (%1)</translation>
    </message>
    <message>
        <source>&amp;Check…</source>
        <translation>ا&amp;فحص…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
</context>
<context>
    <name>SettingsDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>ملفات JSON (*.json)</translation>
    </message>
    <message>
        <source>Save Changes Before Importing?</source>
        <translation>أأحفظ التغييرات قبل الاستيراد؟</translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules. Importing reloads the rules list from disk, so unsaved changes would be lost.</source>
        <translation>لديك تغييرات غير محفوظة على قواعد Mirvale. يعيد الاستيراد تحميل قائمة القواعد من القرص، لذا ستضيع التغييرات غير المحفوظة.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>استورد القواعد</translation>
    </message>
    <message>
        <source>Replace all existing rules, or add the imported ones to the list?</source>
        <translation>أأستبدل كل القواعد الحالية، أم أضيف القواعد المستوردة إلى القائمة؟</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>استبدل</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>أضِف</translation>
    </message>
    <message>
        <source>Export Rules</source>
        <translation>صدّر القواعد</translation>
    </message>
    <message>
        <source>Save changes to your rules?</source>
        <translation>أأحفظ التغييرات على قواعدك؟</translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules.</source>
        <translation>لديك تغييرات غير محفوظة على قواعد Mirvale.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>لا تحفظ</translation>
    </message>
    <message>
        <source>Can’t Save Rules</source>
        <translation>تعذّر حفظ القواعد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Mirvale Settings</source>
        <translation>إعدادات Mirvale</translation>
    </message>
</context>
<context>
    <name>SettingsWindowModel</name>
    <message>
        <source>Mirvale opens camera cards; the desktop leaves them alone</source>
        <translation>يفتح Mirvale بطاقات الكاميرا؛ وسطح المكتب يتركها وشأنها</translation>
    </message>
    <message>
        <source>Let the desktop open them</source>
        <translation>دع سطح المكتب يفتحها</translation>
    </message>
    <message>
        <source>The desktop also opens camera cards</source>
        <translation>سطح المكتب يفتح بطاقات الكاميرا أيضًا</translation>
    </message>
    <message>
        <source>Let Mirvale open them</source>
        <translation>دع Mirvale يفتحها</translation>
    </message>
    <message>
        <source>The desktop’s setting could not be changed: %1</source>
        <translation>تعذّر تغيير إعداد سطح المكتب: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>حُفِظ</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Mirvale is running, but this desktop shows no tray icons</source>
        <translation>يعمل Mirvale، لكن سطح المكتب هذا لا يعرض أيقونات صينية النظام</translation>
    </message>
    <message>
        <source>To reach Mirvale, start it again: that opens its settings. From a terminal, mirvalectl lists the cards and pauses or resumes watching. If a tray is added to the desktop later, the icon shows there; some trays show it only after Mirvale is started again.</source>
        <translation>للوصول إلى Mirvale، شغّله مجددًا: سيفتح ذلك إعداداته. من الطرفية، يسرد mirvalectl البطاقات ويوقف المراقبة مؤقتًا أو يستأنفها. إذا أُضيفت صينية نظام إلى سطح المكتب لاحقًا، تظهر الأيقونة فيها؛ بعض صواني النظام لا تعرضها إلا بعد تشغيل Mirvale مجددًا.</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login</source>
        <translation>تعذّر تغيير «شغّل عند الولوج»</translation>
    </message>
</context>
<context>
    <name>StatusMenuModel</name>
    <message>
        <source>Unmount (removes it from this menu)</source>
        <translation>افصل (يزيلها من هذه القائمة)</translation>
    </message>
    <message>
        <source>Unmount (keeps it in this menu)</source>
        <translation>افصل (يبقيها في هذه القائمة)</translation>
    </message>
    <message>
        <source>No cards inserted</source>
        <translation>لا توجد بطاقات مُدخلة</translation>
    </message>
    <message>
        <source>Pause watching</source>
        <translation>أوقف المراقبة مؤقتًا</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>شغّل عند الولوج</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>اعرض السجل</translation>
    </message>
    <message>
        <source>Quit Mirvale</source>
        <translation>أنهِ Mirvale</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>تحقّق من وجود تحديثات…</translation>
    </message>
</context>
<context>
    <name>Subfolder</name>
    <message>
        <source>Smart (DCIM / AVCHD / XAVC)</source>
        <translation>ذكي (DCIM / AVCHD / XAVC)</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <translation>(لا مجلد)</translation>
    </message>
</context>
<context>
    <name>TargetResolver</name>
    <message>
        <source>%1 not found on this card, opened the card instead</source>
        <extracomment>%1 is the folder the rule expects, such as &quot;DCIM&quot; or &quot;DCIM, AVCHD, or XAVC&quot;.</extracomment>
        <translation>لم يُعثر على %1 في هذه البطاقة، فُتحت البطاقة بدلًا منه</translation>
    </message>
</context>
<context>
    <name>TestMenuModel</name>
    <message>
        <source>Test rule on card…</source>
        <translation>اختبر القاعدة على بطاقة…</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Update to %1…</source>
        <extracomment>A menu entry; %1 is the version, such as &quot;1.4.2&quot;.</extracomment>
        <translation>حدّث إلى %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>تحقّق من وجود تحديثات…</translation>
    </message>
</context>
<context>
    <name>ValidationDisplay</name>
    <message numerus="yes">
        <source> (+%n more errors)</source>
        <extracomment>Follows a rule&apos;s first error, with a space before it: how many more there are.</extracomment>
        <translation>
            <numerusform> (+%n خطأ آخر)</numerusform>
            <numerusform> (+%n خطأ آخر)</numerusform>
            <numerusform> (+%n خطأ آخر)</numerusform>
            <numerusform> (+%n أخطاء أخرى)</numerusform>
            <numerusform> (+%n خطأً آخر)</numerusform>
            <numerusform> (+%n خطأ آخر)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (+%n more warnings)</source>
        <extracomment>Follows a rule&apos;s first warning, with a space before it: how many more there are.</extracomment>
        <translation>
            <numerusform> (+%n تحذير آخر)</numerusform>
            <numerusform> (+%n تحذير آخر)</numerusform>
            <numerusform> (+%n تحذير آخر)</numerusform>
            <numerusform> (+%n تحذيرات أخرى)</numerusform>
            <numerusform> (+%n تحذيرًا آخر)</numerusform>
            <numerusform> (+%n تحذير آخر)</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved. Rules take effect on the next card insert.</source>
        <translation>حُفِظت القواعد. تسري عند إدخال البطاقة التالية.</translation>
    </message>
    <message>
        <source>Couldn’t save settings.</source>
        <translation>تعذّر حفظ الإعدادات.</translation>
    </message>
    <message>
        <source>Rules not saved: %1</source>
        <extracomment>%1 is the reason, a whole sentence.</extracomment>
        <translation>لم تُحفظ القواعد: %1</translation>
    </message>
</context>
</TS>
