<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Applications</name>
    <message>
        <source>The application “%1” is not installed.</source>
        <translation>التطبيق «%1» غير مثبّت.</translation>
    </message>
    <message>
        <source>There is no program to start.</source>
        <translation>لا يوجد برنامج لتشغيله.</translation>
    </message>
</context>
<context>
    <name>ArchiveVerbs</name>
    <message>
        <source>“%1” cannot be the name of an archive.</source>
        <translation>لا يمكن أن يكون «%1» اسمًا لأرشيف.</translation>
    </message>
    <message>
        <source>E&amp;xtract Here</source>
        <translation>استخراج هنا(&amp;X)</translation>
    </message>
    <message>
        <source>Compre&amp;ss...</source>
        <translation>ضغط(&amp;S)...</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>الاسم(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>التنسيق(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Compress</source>
        <translation>ضغط(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Archives</name>
    <message>
        <source>its name leads out of the folder it is unpacked into.</source>
        <translation>اسمه يقود إلى خارج المجلد الذي يُفك ضغطه فيه.</translation>
    </message>
    <message>
        <source>it has no name.</source>
        <translation>ليس له اسم.</translation>
    </message>
    <message>
        <source>it is a device, pipe or socket, which is never unpacked.</source>
        <translation>هو جهاز أو أنبوب أو مقبس، وهذه لا يُفك ضغطها أبدًا.</translation>
    </message>
    <message>
        <source>it lies behind a link or a file, so it would land elsewhere.</source>
        <translation>يقع خلف ارتباط أو ملف، فكان سينتهي به الأمر في مكان آخر.</translation>
    </message>
    <message>
        <source>a folder of that name is already there.</source>
        <translation>يوجد مجلد بهذا الاسم هناك من قبل.</translation>
    </message>
    <message>
        <source>it is a hard link to something the archive does not hold.</source>
        <translation>هو ارتباط ثابت إلى شيء لا يحتويه الأرشيف.</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere.</source>
        <translation>هو ارتباط لا يقود إلى أي مكان.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>تعذّرت قراءة «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” needs more space than the disk has free.</source>
        <translation>يحتاج «%1» إلى مساحة أكبر من المساحة الحرة على القرص.</translation>
    </message>
    <message>
        <source>“%1” unpacks to far more than its own size.</source>
        <translation>يُفك ضغط «%1» إلى حجم يفوق حجمه بكثير.</translation>
    </message>
    <message>
        <source>It holds at least %1 in an archive of %2, and the disk has %3 free; it may fill the disk. Retry goes on unpacking it, Skip leaves it packed.</source>
        <translation>يحتوي على %1 على الأقل في أرشيف حجمه %2، والمساحة الحرة على القرص %3؛ وقد يملأ القرص. «حاول مجدّدًا» يواصل فك ضغطه، و«تخطٍّ» يتركه مضغوطًا.</translation>
    </message>
    <message>
        <source>It was left packed: it unpacks to %1.</source>
        <translation>تُرك مضغوطًا: يُفك ضغطه إلى %1.</translation>
    </message>
    <message>
        <source>“%1” was left out: %2</source>
        <translation>تُرك «%1» جانبًا: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>تعذّرت كتابة «%1». %2</translation>
    </message>
    <message>
        <source>It is encrypted in a way that cannot be unpacked here (%1).</source>
        <translation>إنه مشفّر بطريقة لا يمكن فك ضغطها هنا (%1).</translation>
    </message>
    <message>
        <source>The password was wrong, so nothing was unpacked.</source>
        <translation>كلمة المرور خاطئة، لذا لم يُفك ضغط أي شيء.</translation>
    </message>
    <message>
        <source>No password was given, so nothing was unpacked.</source>
        <translation>لم تُدخَل كلمة مرور، لذا لم يُفك ضغط أي شيء.</translation>
    </message>
    <message>
        <source>The password was wrong, or the archive is damaged (%1).</source>
        <translation>كلمة المرور خاطئة، أو الأرشيف تالف (%1).</translation>
    </message>
    <message>
        <source>It is damaged, cut short or not an archive (%1).</source>
        <translation>إنه تالف أو مبتور أو ليس أرشيفًا (%1).</translation>
    </message>
    <message>
        <source>It holds nothing to unpack.</source>
        <translation>لا يحتوي على شيء لفك ضغطه.</translation>
    </message>
    <message>
        <source>Zip (%1)</source>
        <translation>Zip (%1)</translation>
    </message>
    <message>
        <source>Tar, gzip (%1)</source>
        <translation>Tar، gzip (%1)</translation>
    </message>
    <message>
        <source>Tar, xz (%1)</source>
        <translation>Tar، xz (%1)</translation>
    </message>
    <message>
        <source>Tar, Zstandard (%1)</source>
        <translation>Tar، Zstandard (%1)</translation>
    </message>
    <message>
        <source>7-Zip (%1)</source>
        <translation>7-Zip (%1)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the arguments as items selected in their folder; the items of one folder share its window.</source>
        <translation>إظهار الوسائط عناصرَ محددة في مجلدها؛ وتتشارك عناصر المجلد الواحد نافذته.</translation>
    </message>
    <message>
        <source>Show the splash screen first.</source>
        <translation>إظهار شاشة البداية أولًا.</translation>
    </message>
    <message>
        <source>Browse and manage files: a folder tree beside the folder&apos;s contents.</source>
        <translation>تصفّح الملفات وإدارتها: شجرة مجلدات بجانب محتويات المجلد.</translation>
    </message>
    <message>
        <source>Folders or files to show, as paths or file:// addresses. A file opens its folder with the file selected, and the files of one folder share its window; each further folder opens in a window of its own.</source>
        <translation>المجلدات أو الملفات المراد إظهارها، على هيئة مسارات أو عناوين file://. يفتح الملف مجلده مع تحديد الملف، وتتشارك ملفات المجلد الواحد نافذته؛ ويُفتح كل مجلد آخر في نافذة خاصة به.</translation>
    </message>
    <message>
        <source>Open the home folder when no path is given (or none can be shown).</source>
        <translation>فتح مجلد المنزل إذا لم يُذكر أي مسار (أو تعذّر إظهار أيٍّ مما ذُكر).</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation>لا يمكن أن يكون الاسم فارغًا.</translation>
    </message>
    <message>
        <source>“%1” cannot be used as a name.</source>
        <translation>لا يمكن استخدام «%1» اسمًا.</translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation>لا يمكن أن يحتوي الاسم على «/».</translation>
    </message>
    <message>
        <source>The name “%1” is too long.</source>
        <translation>الاسم «%1» طويل جدًا.</translation>
    </message>
</context>
<context>
    <name>FileTransfer</name>
    <message>
        <source>“%1” was moved, but the original could not be removed. %2</source>
        <translation>نُقل «%1»، لكن تعذّرت إزالة الأصل. %2</translation>
    </message>
    <message>
        <source>“%1” was left as it was: nothing can replace itself.</source>
        <translation>تُرك «%1» كما هو: لا يمكن لشيء أن يستبدل نفسه.</translation>
    </message>
    <message>
        <source>“%1” was left as it was: a folder and a file cannot replace each other.</source>
        <translation>تُرك «%1» كما هو: لا يمكن لمجلد وملف أن يستبدل أحدهما الآخر.</translation>
    </message>
    <message>
        <source>Could not copy “%1”.</source>
        <translation>تعذّر نسخ «%1».</translation>
    </message>
    <message>
        <source>Could not move “%1”.</source>
        <translation>تعذّر نقل «%1».</translation>
    </message>
    <message>
        <source>Could not make a link to “%1”.</source>
        <translation>تعذّر إنشاء ارتباط إلى «%1».</translation>
    </message>
    <message>
        <source>“%1” was copied, but the disk did not confirm the copy, so the original was kept. %2</source>
        <translation>نُسخ «%1»، لكن القرص لم يؤكد النسخة، لذا أُبقي على الأصل. %2</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>النسخ</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>النقل</translation>
    </message>
    <message>
        <source>Making links</source>
        <translation>إنشاء الارتباطات</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>إعادة التسمية</translation>
    </message>
    <message>
        <source>Making a folder</source>
        <translation>إنشاء مجلد</translation>
    </message>
    <message>
        <source>Moving to the Recycle Bin</source>
        <translation>النقل إلى سلة المحذوفات</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>الحذف</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>الاستعادة</translation>
    </message>
    <message>
        <source>Changing permissions</source>
        <translation>تغيير الأذونات</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>فك الضغط</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>الضغط</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>تعذّر حذف هذه العناصر:</translation>
    </message>
    <message>
        <source>These items could not be restored:</source>
        <translation>تعذّرت استعادة هذه العناصر:</translation>
    </message>
    <message>
        <source>Some items were left out:</source>
        <translation>تُركت بعض العناصر جانبًا:</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>تعذّر إجراء بعض التغييرات.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be transferred:</source>
        <translation>
            <numerusform>تعذّر نقل %n عنصر:</numerusform>
            <numerusform>تعذّر نقل عنصر واحد:</numerusform>
            <numerusform>تعذّر نقل عنصرين:</numerusform>
            <numerusform>تعذّر نقل %n عناصر:</numerusform>
            <numerusform>تعذّر نقل %n عنصرًا:</numerusform>
            <numerusform>تعذّر نقل %n عنصر:</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder, modified %1</source>
        <translation>مجلد، عُدّل في %1</translation>
    </message>
    <message>
        <source>%1, modified %2</source>
        <translation>%1، عُدّل في %2</translation>
    </message>
    <message>
        <source>&amp;Apply to all</source>
        <translation>تطبيق على الكل(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>دمج(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>استبدال(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>تخطٍّ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>الاحتفاظ بالاثنين(&amp;K)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>كلمة المرور خاطئة.</translation>
    </message>
    <message>
        <source>“%1” is protected by a password:</source>
        <translation>الملف «%1» محمي بكلمة مرور:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>و%n غيرها.</numerusform>
            <numerusform>وواحد آخر.</numerusform>
            <numerusform>واثنان آخران.</numerusform>
            <numerusform>و%n أخرى.</numerusform>
            <numerusform>و%n غيرها.</numerusform>
            <numerusform>و%n غيرها.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is already a folder named “%1” in “%2”.</source>
        <translation>يوجد مجلد باسم «%1» في «%2» من قبل.</translation>
    </message>
    <message>
        <source>There is already a file named “%1” in “%2”.</source>
        <translation>يوجد ملف باسم «%1» في «%2» من قبل.</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation>الموجود: %1</translation>
    </message>
    <message>
        <source>Arriving: %1</source>
        <translation>الوارد: %1</translation>
    </message>
    <message>
        <source>The item you are pasting is a link to “%1”.</source>
        <translation>العنصر الذي تلصقه ارتباط إلى «%1».</translation>
    </message>
    <message>
        <source>It is the item itself. Keep both makes a copy beside it.</source>
        <translation>إنه العنصر نفسه. «الاحتفاظ بالاثنين» يُنشئ نسخة بجانبه.</translation>
    </message>
    <message>
        <source>Merging puts what both folders hold into one; items of the same name are asked about one by one.</source>
        <translation>الدمج يجمع محتويات المجلدين في مجلد واحد؛ ويُسأل عن العناصر ذات الاسم نفسه واحدًا تلو الآخر.</translation>
    </message>
    <message>
        <source>Copying 1 item to “%1”</source>
        <translation>نسخ عنصر واحد إلى «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Copying %n items to “%1”</source>
        <translation>
            <numerusform>نسخ %n عنصر إلى «%1»</numerusform>
            <numerusform>نسخ عنصر واحد إلى «%1»</numerusform>
            <numerusform>نسخ عنصرين إلى «%1»</numerusform>
            <numerusform>نسخ %n عناصر إلى «%1»</numerusform>
            <numerusform>نسخ %n عنصرًا إلى «%1»</numerusform>
            <numerusform>نسخ %n عنصر إلى «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving 1 item to “%1”</source>
        <translation>نقل عنصر واحد إلى «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n items to “%1”</source>
        <translation>
            <numerusform>نقل %n عنصر إلى «%1»</numerusform>
            <numerusform>نقل عنصر واحد إلى «%1»</numerusform>
            <numerusform>نقل عنصرين إلى «%1»</numerusform>
            <numerusform>نقل %n عناصر إلى «%1»</numerusform>
            <numerusform>نقل %n عنصرًا إلى «%1»</numerusform>
            <numerusform>نقل %n عنصر إلى «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Making 1 link in “%1”</source>
        <translation>إنشاء ارتباط واحد في «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Making %n links in “%1”</source>
        <translation>
            <numerusform>إنشاء %n ارتباط في «%1»</numerusform>
            <numerusform>إنشاء ارتباط واحد في «%1»</numerusform>
            <numerusform>إنشاء ارتباطين في «%1»</numerusform>
            <numerusform>إنشاء %n ارتباطات في «%1»</numerusform>
            <numerusform>إنشاء %n ارتباطًا في «%1»</numerusform>
            <numerusform>إنشاء %n ارتباط في «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Unpacking 1 archive in “%1”</source>
        <translation>فك ضغط أرشيف واحد في «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Unpacking %n archives in “%1”</source>
        <translation>
            <numerusform>فك ضغط %n أرشيف في «%1»</numerusform>
            <numerusform>فك ضغط أرشيف واحد في «%1»</numerusform>
            <numerusform>فك ضغط أرشيفين في «%1»</numerusform>
            <numerusform>فك ضغط %n أرشيفات في «%1»</numerusform>
            <numerusform>فك ضغط %n أرشيفًا في «%1»</numerusform>
            <numerusform>فك ضغط %n أرشيف في «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Packing 1 item in “%1”</source>
        <translation>ضغط عنصر واحد في «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Packing %n items in “%1”</source>
        <translation>
            <numerusform>ضغط %n عنصر في «%1»</numerusform>
            <numerusform>ضغط عنصر واحد في «%1»</numerusform>
            <numerusform>ضغط عنصرين في «%1»</numerusform>
            <numerusform>ضغط %n عناصر في «%1»</numerusform>
            <numerusform>ضغط %n عنصرًا في «%1»</numerusform>
            <numerusform>ضغط %n عنصر في «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Operations are still running. Let them finish before the program ends?

Yes lets them finish first; No cancels them, and what they had begun is cleaned away.</source>
        <translation>لا تزال بعض العمليات قيد التنفيذ. هل تريد أن تكتمل قبل إنهاء البرنامج؟

«نعم» يتركها تكتمل أولًا؛ و«لا» يلغيها ويُزيل ما كانت قد بدأته.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>R&amp;edo</source>
        <translation>إعادة(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع(&amp;U)</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>لا يوجد ما يمكن إعادته.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>لا يوجد ما يمكن التراجع عنه.</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n item(s) were left as they were: the job was cancelled before them.</source>
        <translation>
            <numerusform>تُرك %n عنصر كما هي: أُلغيت المهمة قبل الوصول إليها.</numerusform>
            <numerusform>تُرك عنصر واحد كما هو: أُلغيت المهمة قبل الوصول إليه.</numerusform>
            <numerusform>تُرك عنصران كما هما: أُلغيت المهمة قبل الوصول إليهما.</numerusform>
            <numerusform>تُركت %n عناصر كما هي: أُلغيت المهمة قبل الوصول إليها.</numerusform>
            <numerusform>تُرك %n عنصرًا كما هي: أُلغيت المهمة قبل الوصول إليها.</numerusform>
            <numerusform>تُرك %n عنصر كما هي: أُلغيت المهمة قبل الوصول إليها.</numerusform>
        </translation>
    </message>
    <message>
        <source>It is a pipe, socket or device, which cannot be copied.</source>
        <translation>إنه أنبوب أو مقبس أو جهاز، وهذه لا يمكن نسخها.</translation>
    </message>
    <message>
        <source>The copy did not match the original, so the original was kept.</source>
        <translation>لم تطابق النسخة الأصل، لذا أُبقي على الأصل.</translation>
    </message>
    <message>
        <source>No free name was found for it.</source>
        <translation>لم يُعثر على اسم متاح له.</translation>
    </message>
    <message>
        <source>A folder in it was moved elsewhere meanwhile, so the work stopped there.</source>
        <translation>نُقل مجلد بداخله إلى مكان آخر في أثناء ذلك، فتوقف العمل عنده.</translation>
    </message>
    <message>
        <source>The system cannot change it without following links, which could lead elsewhere.</source>
        <translation>لا يستطيع النظام تغييره دون تتبّع الارتباطات، وقد تقود إلى مكان آخر.</translation>
    </message>
    <message>
        <source>It no longer exists.</source>
        <translation>لم يعد موجودًا.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk.</source>
        <translation>لا توجد مساحة حرة كافية على القرص.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>استُنفدت حصة القرص.</translation>
    </message>
    <message>
        <source>Permission was denied.</source>
        <translation>رُفض الإذن.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>القرص للقراءة فقط.</translation>
    </message>
    <message>
        <source>The name is too long for the target.</source>
        <translation>الاسم طويل جدًا بالنسبة إلى الوجهة.</translation>
    </message>
    <message>
        <source>The disk could not be read or written.</source>
        <translation>تعذّرت القراءة من القرص أو الكتابة عليه.</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>يوجد عنصر باسم «%1» في هذا المجلد من قبل.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>لم يعد «%1» موجودًا.</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist.</source>
        <translation>المجلد «%1» غير موجود.</translation>
    </message>
    <message>
        <source>The folder “%1” is no longer there.</source>
        <translation>لم يعد المجلد «%1» موجودًا.</translation>
    </message>
    <message>
        <source>“%1” is not a folder.</source>
        <translation>العنصر «%1» ليس مجلدًا.</translation>
    </message>
    <message>
        <source>“%1” could not be renamed. %2</source>
        <translation>تعذّرت إعادة تسمية «%1». %2</translation>
    </message>
    <message>
        <source>A new folder could not be made here. %1</source>
        <translation>تعذّر إنشاء مجلد جديد هنا. %1</translation>
    </message>
    <message>
        <source>The permissions of “%1” could not be changed. %2</source>
        <translation>تعذّر تغيير أذونات «%1». %2</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went.</source>
        <translation>حُذف «%1» جزئيًا قبل الإلغاء: عدد العناصر المحذوفة منه %2.</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went, %3 are left.</source>
        <translation>حُذف «%1» جزئيًا قبل الإلغاء: عدد العناصر المحذوفة منه %2، والمتبقية %3.</translation>
    </message>
    <message>
        <source>“%1” was under way and did not answer Cancel; it may be partly done.</source>
        <translation>كان «%1» قيد التنفيذ ولم يستجب للإلغاء؛ وقد يكون قد أُنجز جزئيًا.</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Desktop</source>
        <translation>سطح المكتب</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>لوحة التحكم</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>الطابعات</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>سلة المحذوفات</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>فتح(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>استكشاف(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>بحث(&amp;F)</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>إنشاء اختصار(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف(&amp;D)</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>إعادة تسمية(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>خصائص(&amp;P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>قص(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نسخ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>تحديد الكل(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>عكس التحديد(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عرض(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأدوات(&amp;T)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>شريط الحالة(&amp;B)</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>رموز كبيرة(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>رموز صغيرة(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>قائمة(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>تفاصيل(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>أدوات(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>بحث(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Customize Toolbar...</source>
        <translation>تخصيص شريط الأدوات(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Map Network Drive...</source>
        <translation>تعيين محرك أقراص الشبكة(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Disconnect NetworkDrive...</source>
        <translation>قطع اتصال محرك أقراص الشبكة(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Go to...</source>
        <translation>انتقال إلى(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>خيارات(&amp;O)</translation>
    </message>
    <message>
        <source>Operation &amp;History...</source>
        <translation>سجل العمليات(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>تعليمات(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>حول(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>NetworkMounter</name>
    <message>
        <source>Connecting was cancelled.</source>
        <translation>أُلغي التوصيل.</translation>
    </message>
    <message>
        <source>Disconnecting was cancelled.</source>
        <translation>أُلغي قطع الاتصال.</translation>
    </message>
    <message>
        <source>The network drive could not be connected.</source>
        <translation>تعذّر توصيل محرك أقراص الشبكة.</translation>
    </message>
    <message>
        <source>The network drive could not be disconnected.</source>
        <translation>تعذّر قطع اتصال محرك أقراص الشبكة.</translation>
    </message>
    <message>
        <source>This copy of the program cannot work with the desktop&apos;s file services.</source>
        <translation>لا تستطيع نسخة البرنامج هذه العمل مع خدمات الملفات لسطح المكتب.</translation>
    </message>
    <message>
        <source>Network drives need a desktop session, and none is running here.</source>
        <translation>تحتاج محركات أقراص الشبكة إلى جلسة سطح مكتب، ولا توجد جلسة قيد التشغيل هنا.</translation>
    </message>
    <message>
        <source>The desktop&apos;s file services do not answer.</source>
        <translation>خدمات الملفات لسطح المكتب لا تستجيب.</translation>
    </message>
    <message>
        <source>Network drives need the desktop&apos;s file services for network locations (the gvfs and gvfs-backends packages), and they are not installed.</source>
        <translation>تحتاج محركات أقراص الشبكة إلى خدمات الملفات لسطح المكتب الخاصة بمواقع الشبكة (الحزمتان gvfs و gvfs-backends)، وهي غير مثبّتة.</translation>
    </message>
    <message>
        <source>The server did not answer within a minute.</source>
        <translation>لم يستجب الخادم خلال دقيقة.</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected here: the desktop&apos;s file services for them are not installed.</source>
        <translation>لا يمكن توصيل عناوين %1:// هنا: خدمات الملفات لسطح المكتب الخاصة بها غير مثبّتة.</translation>
    </message>
    <message>
        <source>Another network drive is still being connected.</source>
        <translation>لا يزال محرك أقراص شبكة آخر قيد التوصيل.</translation>
    </message>
    <message>
        <source>%1 is not connected.</source>
        <translation>الموقع %1 غير متصل.</translation>
    </message>
    <message>
        <source>Type the address of a shared folder, such as smb://server/share.</source>
        <translation>اكتب عنوان مجلد مشترك، مثل smb://server/share.</translation>
    </message>
    <message>
        <source>The address contains characters that cannot be part of one.</source>
        <translation>يحتوي العنوان على أحرف لا يمكن أن تكون جزءًا من عنوان.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network address. Start it with the kind of connection, such as smb:// or sftp://.</source>
        <translation>العنوان «%1» ليس عنوان شبكة. ابدأه بنوع الاتصال، مثل smb:// أو sftp://.</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected as a network drive. Use smb://, sftp://, ftp:// or dav://.</source>
        <translation>لا يمكن توصيل عناوين %1:// كمحرك أقراص شبكة. استخدم smb:// أو sftp:// أو ftp:// أو dav://.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>لا يصلح «%1» عنوانًا.</translation>
    </message>
    <message>
        <source>The address names no server. Write it as %1://server/folder.</source>
        <translation>لا يذكر العنوان أي خادم. اكتبه بالشكل %1://server/folder.</translation>
    </message>
    <message>
        <source>Leave the password out of the address; you will be asked for it.</source>
        <translation>لا تضع كلمة المرور في العنوان؛ ستُطلب منك لاحقًا.</translation>
    </message>
    <message>
        <source>Write &quot;?&quot; and &quot;#&quot; in a name as %3F and %23.</source>
        <translation>اكتب «?» و«#» في الاسم على هيئة %3F و %23.</translation>
    </message>
</context>
<context>
    <name>OperationsWindow</name>
    <message>
        <source>Operation</source>
        <translation>العملية</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>العنصر</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>تقدّم %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>&amp;Answer…</source>
        <translation>إجابة(&amp;A)…</translation>
    </message>
    <message>
        <source>Answer the question of %1</source>
        <translation>الإجابة عن سؤال %1</translation>
    </message>
    <message>
        <source>Start &amp;Now</source>
        <translation>البدء الآن(&amp;N)</translation>
    </message>
    <message>
        <source>Start %1 now</source>
        <translation>بدء %1 الآن</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>إيقاف مؤقت(&amp;P)</translation>
    </message>
    <message>
        <source>Pause %1</source>
        <translation>إيقاف %1 مؤقتًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <translation>إلغاء %1</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>جارٍ الإلغاء…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>استئناف(&amp;R)</translation>
    </message>
    <message>
        <source>Resume %1</source>
        <translation>استئناف %1</translation>
    </message>
    <message>
        <source>Waiting for the operation before it on this disk</source>
        <translation>في انتظار العملية التي تسبقها على هذا القرص</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقفة مؤقتًا</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>العناصر: %1 من %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>%1/s, about %2 left</source>
        <translation>%1/ث، يتبقى نحو %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 د</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 س %2 د</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>العمليات</translation>
    </message>
    <message>
        <source>Nothing is being done.</source>
        <translation>لا يجري تنفيذ أي شيء.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>it is no longer in the Recycle Bin.</source>
        <translation>لم يعد في سلة المحذوفات.</translation>
    </message>
    <message>
        <source>There are no files on the clipboard to paste.</source>
        <translation>لا توجد ملفات في الحافظة للصقها.</translation>
    </message>
    <message>
        <source>Move “%1” to the Recycle Bin?</source>
        <translation>هل تريد نقل «%1» إلى سلة المحذوفات؟</translation>
    </message>
    <message>
        <source>Move these %1 items to the Recycle Bin?</source>
        <translation>هل تريد نقل هذه العناصر (%1) إلى سلة المحذوفات؟</translation>
    </message>
    <message>
        <source>These items were not moved to the Recycle Bin:
%1</source>
        <translation>لم تُنقل هذه العناصر إلى سلة المحذوفات:
%1</translation>
    </message>
    <message>
        <source>These items cannot be moved to the Recycle Bin:
%1

Delete them for good? They cannot be brought back. This cannot be undone.</source>
        <translation>لا يمكن نقل هذه العناصر إلى سلة المحذوفات:
%1

هل تريد حذفها نهائيًا؟ لن يمكن استرجاعها. لا يمكن التراجع عن هذا الإجراء.</translation>
    </message>
    <message>
        <source>These items could not be deleted:
%1</source>
        <translation>تعذّر حذف هذه العناصر:
%1</translation>
    </message>
    <message>
        <source>Permanently delete “%1”? This cannot be undone.</source>
        <translation>هل تريد حذف «%1» نهائيًا؟ لا يمكن التراجع عن هذا الإجراء.</translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete these %n items? This cannot be undone.</source>
        <translation>
            <numerusform>هل تريد حذف هذه العناصر (%n) نهائيًا؟ لا يمكن التراجع عن هذا الإجراء.</numerusform>
            <numerusform>هل تريد حذف هذا العنصر نهائيًا؟ لا يمكن التراجع عن هذا الإجراء.</numerusform>
            <numerusform>هل تريد حذف هذين العنصرين نهائيًا؟ لا يمكن التراجع عن هذا الإجراء.</numerusform>
            <numerusform>هل تريد حذف هذه العناصر الـ%n نهائيًا؟ لا يمكن التراجع عن هذا الإجراء.</numerusform>
            <numerusform>هل تريد حذف هذه العناصر الـ%n نهائيًا؟ لا يمكن التراجع عن هذا الإجراء.</numerusform>
            <numerusform>هل تريد حذف هذه العناصر الـ%n نهائيًا؟ لا يمكن التراجع عن هذا الإجراء.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” for good? It cannot be brought back. This cannot be undone.</source>
        <translation>هل تريد حذف «%1» نهائيًا؟ لن يمكن استرجاعه. لا يمكن التراجع عن هذا الإجراء.</translation>
    </message>
    <message>
        <source>Delete these %1 items for good? They cannot be brought back. This cannot be undone.</source>
        <translation>هل تريد حذف هذه العناصر (%1) نهائيًا؟ لن يمكن استرجاعها. لا يمكن التراجع عن هذا الإجراء.</translation>
    </message>
    <message>
        <source>Something named “%1” is already in “%2”. Restore the item as “%3”?</source>
        <translation>يوجد عنصر باسم «%1» في «%2» من قبل. هل تريد استعادة العنصر باسم «%3»؟</translation>
    </message>
    <message>
        <source>These items could not be restored:
%1</source>
        <translation>تعذّرت استعادة هذه العناصر:
%1</translation>
    </message>
    <message>
        <source>Permanently delete everything in the Recycle Bin? This cannot be undone.</source>
        <translation>هل تريد حذف كل ما في سلة المحذوفات نهائيًا؟ لا يمكن التراجع عن هذا الإجراء.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>تعذّر حفظ الإعدادات في %1: %2.</translation>
    </message>
    <message>
        <source>a setting needs a name</source>
        <translation>يحتاج الإعداد إلى اسم</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>لا يمكن إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>the file would grow beyond %1 KiB, more than it may hold</source>
        <translation>سيتجاوز حجم الملف %1 كيبيبايت، وهو أكثر مما يُسمح به</translation>
    </message>
</context>
<context>
    <name>ShellSources</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation>مجلد نظام</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>قرص محلي</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation>محرك أقراص شبكة</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation>قرص محلي (%1)</translation>
    </message>
</context>
<context>
    <name>StartPlaces</name>
    <message>
        <source>An empty argument names no file or folder.</source>
        <translation>الوسيطة الفارغة لا تسمّي أي ملف أو مجلد.</translation>
    </message>
    <message>
        <source>“%1” is not on this computer or not connected; connect it with Tools &gt; Map Network Drive first.</source>
        <translation>المسار «%1» ليس على هذا الكمبيوتر أو غير متصل؛ صِله أولًا من أدوات &gt; تعيين محرك أقراص الشبكة.</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <translation>تعذّر الوصول إلى «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>لا يمكن فتح «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Contents of &apos;%1&apos;</source>
        <translation>محتويات «%1»</translation>
    </message>
    <message>
        <source>Contents of &apos;Desktop&apos;</source>
        <translation>محتويات «سطح المكتب»</translation>
    </message>
    <message>
        <source>Contents of &apos;Control Panel&apos;</source>
        <translation>محتويات «لوحة التحكم»</translation>
    </message>
    <message>
        <source>Contents of &apos;Printers&apos;</source>
        <translation>محتويات «الطابعات»</translation>
    </message>
    <message>
        <source>Contents of &apos;Recycle Bin&apos;</source>
        <translation>محتويات «سلة المحذوفات»</translation>
    </message>
    <message>
        <source>Contents of &apos;My Computer&apos;</source>
        <translation>محتويات «جهاز الكمبيوتر»</translation>
    </message>
    <message>
        <source>Contents of selected namespace</source>
        <translation>محتويات مساحة الأسماء المحددة</translation>
    </message>
    <message>
        <source>1 Item Selected</source>
        <translation>عنصر واحد محدد</translation>
    </message>
    <message numerus="yes">
        <source> %n Items Selected.</source>
        <translation>
            <numerusform> %n عنصر محدد.</numerusform>
            <numerusform> عنصر واحد محدد.</numerusform>
            <numerusform> عنصران محددان.</numerusform>
            <numerusform> %n عناصر محددة.</numerusform>
            <numerusform> %n عنصرًا محددًا.</numerusform>
            <numerusform> %n عنصر محدد.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Up One Level</source>
        <translation>مستوى واحد لأعلى</translation>
    </message>
    <message>
        <source>Map Network Drive</source>
        <translation>تعيين محرك أقراص الشبكة</translation>
    </message>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>قطع اتصال محرك أقراص الشبكة</translation>
    </message>
    <message>
        <source>Disconnect Net Drive</source>
        <translation>قطع محرك الشبكة</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>خصائص</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>رموز كبيرة</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>رموز صغيرة</translation>
    </message>
    <message>
        <source>List</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>تفاصيل</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
</context>
<context>
    <name>TrashStore</name>
    <message>
        <source>“%1” could not be moved to the trash: %2.</source>
        <translation>تعذّر نقل «%1» إلى سلة المحذوفات: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be moved to the trash.</source>
        <translation>لا يمكن نقل «%1» إلى سلة المحذوفات.</translation>
    </message>
    <message>
        <source>“%1” is a mounted volume and cannot be moved to the trash.</source>
        <translation>لا يمكن نقل «%1» إلى سلة المحذوفات لأنه وحدة تخزين مركّبة.</translation>
    </message>
    <message>
        <source>The trash folder “%1” could not be set up: %2.</source>
        <translation>تعذّر إعداد مجلد سلة المحذوفات «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” holds the trash and cannot be moved into it.</source>
        <translation>لا يمكن نقل «%1» إلى سلة المحذوفات لأنه يحتويها.</translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation>العنصر «%1» موجود في سلة المحذوفات من قبل.</translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: too many items of that name are in it already.</source>
        <translation>تعذّر نقل «%1» إلى سلة المحذوفات: فيها عدد كبير جدًا من العناصر بهذا الاسم.</translation>
    </message>
    <message>
        <source>“%1” was not moved: its volume has no trash that can be used.</source>
        <translation>لم يُنقل «%1»: ليس لوحدة التخزين التي يقع عليها سلة محذوفات صالحة للاستخدام.</translation>
    </message>
    <message>
        <source>“%1” is not in the trash.</source>
        <translation>العنصر «%1» ليس في سلة المحذوفات.</translation>
    </message>
    <message>
        <source>“%1” is no longer in the trash.</source>
        <translation>لم يعد «%1» في سلة المحذوفات.</translation>
    </message>
    <message>
        <source>“%1” was not restored: the trash does not say where it came from.</source>
        <translation>لم يُستعد «%1»: لا تذكر سلة المحذوفات من أين جاء.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” already exists.</source>
        <translation>لم يُستعد «%1»: «%2» موجود من قبل.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” lies outside the volume whose trash holds it.</source>
        <translation>لم يُستعد «%1»: يقع «%2» خارج وحدة التخزين التي تحتويه سلة محذوفاتها.</translation>
    </message>
    <message>
        <source>“%1” was not restored: the folder “%2” could not be created: %3.</source>
        <translation>لم يُستعد «%1»: تعذّر إنشاء المجلد «%2»: %3.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” is on another volume.</source>
        <translation>لم يُستعد «%1»: «%2» على وحدة تخزين أخرى.</translation>
    </message>
    <message>
        <source>“%1” was not restored: %2.</source>
        <translation>لم يُستعد «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be deleted completely: %2</source>
        <translation>تعذّر حذف «%1» بالكامل: %2</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>%1: is no longer there, left alone</source>
        <translation>تُرك %1 دون تغيير: لم يعد موجودًا</translation>
    </message>
    <message>
        <source>%1: was changed since, left alone</source>
        <translation>تُرك %1 دون تغيير: تغيّر منذ ذلك الحين</translation>
    </message>
    <message>
        <source>%1: the place is now taken, left alone</source>
        <translation>تُرك %1 دون تغيير: المكان مشغول الآن</translation>
    </message>
    <message>
        <source>%1: is no longer in the trash, left alone</source>
        <translation>تُرك %1 دون تغيير: لم يعد في سلة المحذوفات</translation>
    </message>
    <message>
        <source>%1: is no longer empty, left alone</source>
        <translation>تُرك %1 دون تغيير: لم يعد فارغًا</translation>
    </message>
    <message>
        <source>%1: is no longer a link, left alone</source>
        <translation>تُرك %1 دون تغيير: لم يعد ارتباطًا</translation>
    </message>
    <message>
        <source>%1: was deleted for good and cannot be brought back</source>
        <translation>حُذف %1 نهائيًا ولا يمكن استرجاعه</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>نقل</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>ربط</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>مجلد جديد</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>نقل إلى سلة المحذوفات</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete from Recycle Bin</source>
        <translation>حذف من سلة المحذوفات</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Permissions Change</source>
        <translation>تغيير الأذونات</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>استخراج</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>عملية</translation>
    </message>
    <message>
        <source>%1 of “%2”</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>%1 of %2 Items</source>
        <translation>%1 (العناصر: %2)</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>إعادة(&amp;E) %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>تراجع(&amp;U) عن %1</translation>
    </message>
    <message>
        <source>“%1” cannot be undone.</source>
        <translation>لا يمكن التراجع عن «%1».</translation>
    </message>
    <message>
        <source>The operation is no longer in the history.</source>
        <translation>لم تعد العملية في السجل.</translation>
    </message>
    <message>
        <source>“%1” is being undone or redone elsewhere, or was cut short.</source>
        <translation>يجري التراجع عن «%1» أو إعادته في مكان آخر، أو قُطع قبل اكتماله.</translation>
    </message>
    <message>
        <source>“%1” was redone meanwhile.</source>
        <translation>أُعيد «%1» في أثناء ذلك.</translation>
    </message>
    <message>
        <source>“%1” was undone meanwhile.</source>
        <translation>تم التراجع عن «%1» في أثناء ذلك.</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>قص(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نسخ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق(&amp;P)</translation>
    </message>
    <message>
        <source>Delete for &amp;Good</source>
        <translation>حذف نهائي(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>حذف(&amp;D)</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>إعادة تسمية(&amp;M)</translation>
    </message>
    <message>
        <source>Create &amp;Link</source>
        <translation>إنشاء ارتباط(&amp;L)</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>خصائص(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>بحث(&amp;F)...</translation>
    </message>
    <message>
        <source>New &amp;Folder</source>
        <translation>مجلد جديد(&amp;F)</translation>
    </message>
</context>
<context>
    <name>VolumeMonitor</name>
    <message>
        <source>Network Share</source>
        <translation>مشاركة شبكة</translation>
    </message>
    <message>
        <source>CD/DVD Drive</source>
        <translation>محرك أقراص CD/DVD</translation>
    </message>
    <message>
        <source>Encrypted Volume</source>
        <translation>وحدة تخزين مشفّرة</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>قرص قابل للإزالة</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>قرص محلي</translation>
    </message>
    <message>
        <source>The volume is no longer there.</source>
        <translation>لم تعد وحدة التخزين موجودة.</translation>
    </message>
    <message>
        <source>The volume is not mounted.</source>
        <translation>وحدة التخزين غير مركّبة.</translation>
    </message>
    <message>
        <source>The volume cannot be ejected.</source>
        <translation>لا يمكن إخراج وحدة التخزين.</translation>
    </message>
    <message>
        <source>The drive cannot be removed safely from here.</source>
        <translation>لا يمكن إزالة المحرك بأمان من هنا.</translation>
    </message>
    <message>
        <source>The volume is in use.</source>
        <translation>وحدة التخزين قيد الاستخدام.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>فشلت العملية.</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>تاريخ التعديل</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>الحجم الكلي</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>المساحة الحرة</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation type="vanished">قرص محلي</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>المنزل</translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation>مجلد المنزل</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation type="vanished">محرك أقراص شبكة</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation type="vanished">قرص محلي (%1)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Original Location</source>
        <translation>الموقع الأصلي</translation>
    </message>
    <message>
        <source>Date Deleted</source>
        <translation>تاريخ الحذف</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>الطراز</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهزة</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>قيد الطباعة</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>متوقفة</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (الافتراضية)</translation>
    </message>
</context>
<context>
    <name>frmExplore</name>
    <message>
        <source>Back</source>
        <translation type="vanished">الخلف</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="vanished">الأمام</translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="vanished">المنزل</translation>
    </message>
</context>
<context>
    <name>tarnwick::CredentialsDialog</name>
    <message>
        <source>Log In</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>The server refused the last try. Check the user name and the password.</source>
        <translation>رفض الخادم المحاولة الأخيرة. تحقّق من اسم المستخدم وكلمة المرور.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>The server asks who you are.</source>
        <translation>يطلب الخادم معرفة هويتك.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>الرسالة</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>اسم المستخدم(&amp;U):</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>المجال</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>المجال(&amp;D):</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>كلمة المرور(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>تذكّر كلمة المرور(&amp;R)</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>تذكّر كلمة المرور</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>الأزرار</translation>
    </message>
    <message>
        <source>&amp;Log In</source>
        <translation>تسجيل الدخول(&amp;L)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>tarnwick::DataSize</name>
    <message>
        <source>1 byte</source>
        <translation>بايت واحد</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln بايت</numerusform>
            <numerusform>بايت واحد</numerusform>
            <numerusform>بايتان</numerusform>
            <numerusform>%Ln بايت</numerusform>
            <numerusform>%Ln بايت</numerusform>
            <numerusform>%Ln بايت</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::DisconnectNetworkDriveDialog</name>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>قطع اتصال محرك أقراص الشبكة</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>الأزرار</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;Network locations:</source>
        <translation>مواقع الشبكة(&amp;N):</translation>
    </message>
    <message>
        <source>Network locations</source>
        <translation>مواقع الشبكة</translation>
    </message>
    <message>
        <source>No network locations are connected.</source>
        <translation>لا توجد مواقع شبكة متصلة.</translation>
    </message>
    <message>
        <source>No network locations</source>
        <translation>لا توجد مواقع شبكة</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>قطع الاتصال(&amp;D)</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>قطع الاتصال</translation>
    </message>
    <message>
        <source>Disconnecting %1…</source>
        <translation>جارٍ قطع اتصال %1…</translation>
    </message>
    <message>
        <source>%1 could not be disconnected. %2</source>
        <translation>تعذّر قطع اتصال %1. %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerCombo</name>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerListView</name>
    <message>
        <source>Waiting</source>
        <translation>في الانتظار</translation>
    </message>
    <message>
        <source>The folder “%1” could not be read completely: %2.</source>
        <translation>تعذّرت قراءة المجلد «%1» بالكامل: %2.</translation>
    </message>
    <message>
        <source>Files cannot be pasted into %1.</source>
        <translation>لا يمكن لصق الملفات في %1.</translation>
    </message>
    <message>
        <source>Renaming in place is turned off.</source>
        <translation>إعادة التسمية في مكانها معطّلة.</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>فتح باستخدام(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>فتح(&amp;O)</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>فتح الطرفية هنا(&amp;H)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <source>“%1” could not be started.</source>
        <translation>تعذّر تشغيل «%1».</translation>
    </message>
    <message>
        <source>There is nothing to open for “%1”.</source>
        <translation>لا يوجد ما يمكن فتحه لـ«%1».</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>إفراغ سلة المحذوفات(&amp;B)</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerTreeView</name>
    <message>
        <source>Waiting for %1...</source>
        <translation>في انتظار %1...</translation>
    </message>
    <message>
        <source>%1 was connected, but its folder %2 does not answer.</source>
        <translation>تم توصيل %1، لكن مجلده %2 لا يستجيب.</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be deleted.</source>
        <translation>لا يمكن حذف «%1» لأنه وحدة تخزين كاملة.</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be renamed here.</source>
        <translation>لا يمكن إعادة تسمية «%1» هنا لأنه وحدة تخزين كاملة.</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>فتح الطرفية هنا(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>فتح(&amp;O)</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>The volume of %1 is no longer there, so My Computer is shown.</source>
        <translation>لم تعد وحدة تخزين %1 موجودة، لذا يُعرض جهاز الكمبيوتر.</translation>
    </message>
    <message>
        <source>The connection to “%1” was lost, so My Computer is shown.</source>
        <translation>انقطع الاتصال بـ«%1»، لذا يُعرض جهاز الكمبيوتر.</translation>
    </message>
    <message>
        <source>You do not have permission to open the folder “%1”.</source>
        <translation>ليس لديك إذن بفتح المجلد «%1».</translation>
    </message>
    <message>
        <source>“%1” is in use, so it was left mounted. Close the files and programs that use it, then try again.</source>
        <translation>وحدة التخزين «%1» قيد الاستخدام، لذا تُركت مركّبة. أغلق الملفات والبرامج التي تستخدمها، ثم حاول مجدّدًا.</translation>
    </message>
    <message>
        <source>This window has left %1, which was open on it.</source>
        <translation>غادرت هذه النافذة %1، الذي كان مفتوحًا على وحدة التخزين هذه.</translation>
    </message>
    <message>
        <source>U&amp;nmount</source>
        <translation>إلغاء التركيب(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;ject</source>
        <translation>إخراج(&amp;J)</translation>
    </message>
    <message>
        <source>Safel&amp;y Remove</source>
        <translation>إزالة بأمان(&amp;Y)</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>خصائص(&amp;R)</translation>
    </message>
    <message>
        <source>Unlock Volume</source>
        <translation>إلغاء قفل وحدة التخزين</translation>
    </message>
    <message>
        <source>Passphrase:</source>
        <translation>عبارة المرور:</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>إفراغ سلة المحذوفات(&amp;B)</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileManagerService</name>
    <message>
        <source>“%1” is neither an address nor an absolute path.</source>
        <translation>لا يُعد «%1» عنوانًا ولا مسارًا مطلقًا.</translation>
    </message>
    <message>
        <source>No window could be started for %1.</source>
        <translation>تعذّر فتح نافذة لـ %1.</translation>
    </message>
    <message>
        <source>One request opens at most %1 windows; not opened: %2.</source>
        <translation>يفتح الطلب الواحد %1 من النوافذ على الأكثر؛ لم يُفتح: %2.</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileOpener</name>
    <message>
        <source>No application is set to open “%1”.</source>
        <translation>لم يُعيَّن أي تطبيق لفتح «%1».</translation>
    </message>
    <message>
        <source>Choose the application to open “%1” with.</source>
        <translation>اختر التطبيق الذي يُفتح به «%1».</translation>
    </message>
    <message>
        <source>“%1” could not be opened: %2</source>
        <translation>تعذّر فتح «%1»: %2</translation>
    </message>
    <message>
        <source>Run “%1”?</source>
        <translation>هل تريد تشغيل «%1»؟</translation>
    </message>
    <message>
        <source>It is a program. Run it only if you trust where it came from.</source>
        <translation>إنه برنامج. لا تشغّله إلا إذا كنت تثق بمصدره.</translation>
    </message>
    <message>
        <source>It is a launcher: it starts “%1” with the command %2. Run it only if you trust where it came from.</source>
        <translation>إنه مُشغِّل: يبدأ «%1» بالأمر %2. لا تشغّله إلا إذا كنت تثق بمصدره.</translation>
    </message>
    <message>
        <source>No terminal was found. Set the TERMINAL variable to the one you use.</source>
        <translation>لم يُعثر على طرفية. اضبط المتغير TERMINAL على الطرفية التي تستخدمها.</translation>
    </message>
    <message>
        <source>No terminal could be started in “%1”: %2</source>
        <translation>تعذّر بدء طرفية في «%1»: %2</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>لا يمكن قراءته.</translation>
    </message>
    <message>
        <source>The application is gone.</source>
        <translation>لم يعد التطبيق موجودًا.</translation>
    </message>
    <message>
        <source>Other &amp;Application...</source>
        <translation>تطبيق آخر(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>تشغيل(&amp;R)</translation>
    </message>
    <message>
        <source>Open as &amp;Text</source>
        <translation>فتح كنص(&amp;T)</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileTransfer</name>
    <message>
        <source>Nothing was chosen.</source>
        <translation>لم يُختر أي شيء.</translation>
    </message>
    <message>
        <source>“%1” is not a full path.</source>
        <translation>لا يُعد «%1» مسارًا كاملًا.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be opened: %2.</source>
        <translation>لا يمكن فتح المجلد «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>لم يعد «%1» موجودًا.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be copied into itself or into a folder inside it.</source>
        <translation>لا يمكن نسخ المجلد «%1» إلى نفسه أو إلى مجلد بداخله.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be moved into itself or into a folder inside it.</source>
        <translation>لا يمكن نقل المجلد «%1» إلى نفسه أو إلى مجلد بداخله.</translation>
    </message>
    <message>
        <source>“%1” is already in this folder.</source>
        <translation>العنصر «%1» موجود في هذا المجلد من قبل.</translation>
    </message>
</context>
<context>
    <name>tarnwick::FindWindow</name>
    <message>
        <source>&amp;Named:</source>
        <translation>الاسم(&amp;N):</translation>
    </message>
    <message>
        <source>Named</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>*.txt; report</source>
        <translation>*.txt; تقرير</translation>
    </message>
    <message>
        <source>Wildcards * and ?, several patterns separated by &apos;;&apos;. Case is ignored.</source>
        <translation>أحرف البدل * و ?، ويمكن كتابة عدة أنماط تفصل بينها &apos;;&apos;. لا يُميَّز بين الأحرف الكبيرة والصغيرة.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>يحتوي على النص(&amp;T):</translation>
    </message>
    <message>
        <source>Containing text</source>
        <translation>يحتوي على النص</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>مطابقة حالة الأحرف(&amp;C)</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>البحث في</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>استعراض(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>البحث في(&amp;L):</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>تضمين المجلدات الفرعية(&amp;S)</translation>
    </message>
    <message>
        <source>F&amp;ind Now</source>
        <translation>البحث الآن(&amp;I)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>إيقاف(&amp;T)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Type the folder to look in.</source>
        <translation>اكتب المجلد المراد البحث فيه.</translation>
    </message>
    <message>
        <source>Type the folder&apos;s full path, starting with “/”.</source>
        <translation>اكتب المسار الكامل للمجلد، بدءًا بـ«/».</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be searched: %2.</source>
        <translation>لا يمكن البحث في المجلد «%1»: %2.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>جارٍ البحث…</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>توقف: %1</translation>
    </message>
    <message>
        <source>Look In</source>
        <translation>البحث في</translation>
    </message>
    <message>
        <source>Find: All Files</source>
        <translation>بحث: كل الملفات</translation>
    </message>
    <message>
        <source>Find: Files named %1</source>
        <translation>بحث: الملفات المسماة %1</translation>
    </message>
    <message>
        <source>Look in binar&amp;y files too</source>
        <translation>البحث في الملفات الثنائية أيضًا(&amp;Y)</translation>
    </message>
    <message>
        <source>1 item found</source>
        <translation>عُثر على عنصر واحد</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items found</source>
        <translation>
            <numerusform>لم يُعثر على أي عنصر</numerusform>
            <numerusform>عُثر على عنصر واحد</numerusform>
            <numerusform>عُثر على عنصرين</numerusform>
            <numerusform>عُثر على %Ln عناصر</numerusform>
            <numerusform>عُثر على %Ln عنصرًا</numerusform>
            <numerusform>عُثر على %Ln عنصر</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>تعذّرت قراءة مجلد واحد</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>تعذّرت قراءة %Ln مجلد</numerusform>
            <numerusform>تعذّرت قراءة مجلد واحد</numerusform>
            <numerusform>تعذّرت قراءة مجلدين</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلدات</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلدًا</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلد</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>فتح(&amp;O)</translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation>فتح المجلد المحتوي(&amp;F)</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation type="vanished">تعذّر فتح نافذة أخرى: لم يبدأ «%1».</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start. %2</source>
        <translation>تعذّر فتح نافذة أخرى: لم يبدأ «%1». %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::FolderModel</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>ملف %1</translation>
    </message>
    <message>
        <source>Broken link</source>
        <translation>ارتباط معطوب</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>ملف خاص</translation>
    </message>
    <message>
        <source>%1 (link)</source>
        <translation>%1 (ارتباط)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>تاريخ التعديل</translation>
    </message>
</context>
<context>
    <name>tarnwick::Form1</name>
    <message>
        <source>Print staging</source>
        <translation>تجهيز الطباعة</translation>
    </message>
</context>
<context>
    <name>tarnwick::FoundItemsModel</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation>في المجلد</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>تاريخ التعديل</translation>
    </message>
</context>
<context>
    <name>tarnwick::HistoryWindow</name>
    <message>
        <source>Cannot be undone</source>
        <translation>لا يمكن التراجع عنها</translation>
    </message>
    <message>
        <source>Under way</source>
        <translation>قيد التنفيذ</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>تم التراجع عنها</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تمّت</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Operation History</source>
        <translation>سجل العمليات</translation>
    </message>
    <message>
        <source>When</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>العملية</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>العناصر</translation>
    </message>
    <message>
        <source>From</source>
        <translation>من</translation>
    </message>
    <message>
        <source>To</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>العمليات</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>الأعمدة</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>tarnwick::MapNetworkDriveDialog</name>
    <message>
        <source>Map Network Drive</source>
        <translation>تعيين محرك أقراص الشبكة</translation>
    </message>
    <message>
        <source>Connect a shared folder on another computer, so that you can open it like one of your own folders.</source>
        <translation>صِل مجلدًا مشتركًا على كمبيوتر آخر، لتتمكن من فتحه كأي مجلد من مجلداتك.</translation>
    </message>
    <message>
        <source>About this dialog</source>
        <translation>حول مربع الحوار هذا</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>الأزرار</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>العنوان(&amp;A):</translation>
    </message>
    <message>
        <source>For example:
smb://server/share — a Windows or Samba share
sftp://user@server/folder — a folder reached over SSH
ftp://server/folder — an FTP server
dav://server/folder — a WebDAV folder (davs:// for a secure one)</source>
        <translation>على سبيل المثال:
smb://server/share — مشاركة Windows أو Samba
sftp://user@server/folder — مجلد يُوصَل إليه عبر SSH
ftp://server/folder — خادم FTP
dav://server/folder — مجلد WebDAV (و davs:// للاتصال الآمن)</translation>
    </message>
    <message>
        <source>Address forms</source>
        <translation>صيغ العناوين</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>جارٍ التوصيل</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>توصيل(&amp;C)</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>توصيل</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>جارٍ التوصيل بـ %1…</translation>
    </message>
    <message>
        <source>%1 could not be connected.</source>
        <translation>تعذّر توصيل %1.</translation>
    </message>
</context>
<context>
    <name>tarnwick::NamespaceModel</name>
    <message>
        <source>Home</source>
        <translation>المنزل</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenWithDialog</name>
    <message>
        <source>&amp;Always use for this type</source>
        <translation>الاستخدام دائمًا لهذا النوع(&amp;A)</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>فتح باستخدام</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>التطبيقات</translation>
    </message>
</context>
<context>
    <name>tarnwick::Packer</name>
    <message>
        <source>“%1” could not be made. %2</source>
        <translation>تعذّر إنشاء «%1». %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>تعذّرت كتابة «%1». %2</translation>
    </message>
    <message>
        <source>Could not pack “%1”.</source>
        <translation>تعذّر ضغط «%1».</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2</source>
        <translation>تعذّرت قراءة «%1». %2</translation>
    </message>
    <message>
        <source>It was made shorter while being packed.</source>
        <translation>صار أقصر في أثناء ضغطه.</translation>
    </message>
    <message>
        <source>“%1” was left out. %2</source>
        <translation>تُرك «%1» جانبًا. %2</translation>
    </message>
    <message>
        <source>It could not be written. %1</source>
        <translation>تعذّرت كتابته. %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::PropertiesDialog</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>ارتباط إلى %1</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>ملف خاص</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>ملف %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2.</source>
        <translation>لا يمكن قراءة «%1»: %2.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Various types</source>
        <translation>أنواع متعددة</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 من العناصر</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>خصائص %1</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>الموقع:</translation>
    </message>
    <message>
        <source>Various folders</source>
        <translation>مجلدات متعددة</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>الحجم:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>تاريخ الإنشاء:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>تاريخ التعديل:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>تاريخ الوصول:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>المالك:</translation>
    </message>
    <message>
        <source>Various</source>
        <translation>متعدد</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>المجموعة:</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>المالك</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>الآخرون</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>كتابة</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>تنفيذ</translation>
    </message>
    <message>
        <source>Only the owner can change the permissions.</source>
        <translation>المالك وحده يستطيع تغيير الأذونات.</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>الأذونات:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1، %2، %3</translation>
    </message>
    <message>
        <source>Counting… %1</source>
        <translation>جارٍ العدّ… %1</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>يوجد عنصر باسم «%1» في هذا المجلد من قبل.</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>تعذّر إجراء بعض التغييرات.</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>بايت واحد</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln بايت</numerusform>
            <numerusform>بايت واحد</numerusform>
            <numerusform>بايتان</numerusform>
            <numerusform>%Ln بايت</numerusform>
            <numerusform>%Ln بايت</numerusform>
            <numerusform>%Ln بايت</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>ملف واحد</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln ملف</numerusform>
            <numerusform>ملف واحد</numerusform>
            <numerusform>ملفان</numerusform>
            <numerusform>%Ln ملفات</numerusform>
            <numerusform>%Ln ملفًا</numerusform>
            <numerusform>%Ln ملف</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>مجلد واحد</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln مجلد</numerusform>
            <numerusform>مجلد واحد</numerusform>
            <numerusform>مجلدان</numerusform>
            <numerusform>%Ln مجلدات</numerusform>
            <numerusform>%Ln مجلدًا</numerusform>
            <numerusform>%Ln مجلد</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>تعذّرت قراءة مجلد واحد</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>تعذّرت قراءة %Ln مجلد</numerusform>
            <numerusform>تعذّرت قراءة مجلد واحد</numerusform>
            <numerusform>تعذّرت قراءة مجلدين</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلدات</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلدًا</numerusform>
            <numerusform>تعذّرت قراءة %Ln مجلد</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::StatusBarPanel</name>
    <message>
        <source>Status bar</source>
        <translation>شريط الحالة</translation>
    </message>
</context>
<context>
    <name>tarnwick::ToolbarCustomizeDialog</name>
    <message>
        <source>Customize Toolbar</source>
        <translation>تخصيص شريط الأدوات</translation>
    </message>
    <message>
        <source>Available buttons</source>
        <translation>الأزرار المتاحة</translation>
    </message>
    <message>
        <source>Toolbar buttons</source>
        <translation>أزرار شريط الأدوات</translation>
    </message>
    <message>
        <source>&amp;Add -&gt;</source>
        <translation>إضافة(&amp;A) -&gt;</translation>
    </message>
    <message>
        <source>&lt;- &amp;Remove</source>
        <translation>&lt;- إزالة(&amp;R)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>نقل لأعلى(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>نقل لأسفل(&amp;D)</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>إعادة تعيين(&amp;E)</translation>
    </message>
    <message>
        <source>A&amp;vailable buttons:</source>
        <translation>الأزرار المتاحة(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Toolbar buttons:</source>
        <translation>أزرار شريط الأدوات(&amp;T):</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>فاصل</translation>
    </message>
    <message>
        <source>(blank button)</source>
        <translation>(زر فارغ)</translation>
    </message>
</context>
<context>
    <name>tarnwick::VolumePropertiesDialog</name>
    <message>
        <source>%1 Properties</source>
        <translation>خصائص %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Mounted at:</source>
        <translation>مركّبة في:</translation>
    </message>
    <message>
        <source>Finding out...</source>
        <translation>جارٍ التحقق...</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>غير مركّبة</translation>
    </message>
    <message>
        <source>File system:</source>
        <translation>نظام الملفات:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>السعة:</translation>
    </message>
    <message>
        <source>Used space:</source>
        <translation>المساحة المستخدمة:</translation>
    </message>
    <message>
        <source>Free space:</source>
        <translation>المساحة الحرة:</translation>
    </message>
    <message>
        <source>Used space</source>
        <translation>المساحة المستخدمة</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 بايت)</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmAbout</name>
    <message>
        <source>Tarnwick icon</source>
        <translation>رمز Tarnwick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>معلومات النظام(&amp;S)...</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>معلومات النظام...</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>The home page could not be opened: %1</source>
        <translation>تعذّر فتح الصفحة الرئيسية: %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>الإصدار %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>معلومات النظام غير متوفرة في الوقت الحالي</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmExplore</name>
    <message>
        <source>Filter</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <source>Print staging</source>
        <translation>تجهيز الطباعة</translation>
    </message>
    <message>
        <source>Which files the list shows, as patterns</source>
        <translation>الملفات التي تعرضها القائمة، على هيئة أنماط</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Toolbar strip</source>
        <translation>حاوية أشرطة الأدوات</translation>
    </message>
    <message>
        <source>Small toolbar</source>
        <translation>شريط الأدوات الصغير</translation>
    </message>
    <message>
        <source>Large toolbar</source>
        <translation>شريط الأدوات الكبير</translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation>الفاصل</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation>تعذّر فتح نافذة أخرى: لم يبدأ «%1».</translation>
    </message>
    <message>
        <source>Go To Folder</source>
        <translation>الانتقال إلى مجلد</translation>
    </message>
    <message>
        <source>Type the name of the path of the folder you want to open</source>
        <translation>اكتب مسار المجلد الذي تريد فتحه</translation>
    </message>
    <message>
        <source>Printing Contents of %1</source>
        <translation>جارٍ طباعة محتويات %1</translation>
    </message>
    <message>
        <source>Can not print this window</source>
        <translation>لا يمكن طباعة هذه النافذة</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>الخلف</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>الأمام</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>المنزل</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation>صفحات الخيارات</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>عام(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>عوامل التصفية(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>الملفات(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>حسنًا(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إلغاء(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Display Small Tool Bar</source>
        <translation>إظهار شريط الأدوات الصغير(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Display Large Tool Bar</source>
        <translation>إظهار شريط الأدوات الكبير(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Display Status Bar</source>
        <translation>إظهار شريط الحالة(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>تخصيص(&amp;U)</translation>
    </message>
    <message>
        <source>Custom Filters</source>
        <translation>عوامل التصفية المخصصة</translation>
    </message>
    <message>
        <source>Custom filter %1</source>
        <translation>عامل التصفية المخصص %1</translation>
    </message>
    <message>
        <source>Allow Files to be Renamed</source>
        <translation>السماح بإعادة تسمية الملفات</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>إظهار الملفات المخفية</translation>
    </message>
    <message>
        <source>Show System Files</source>
        <translation>إظهار ملفات النظام</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>عوامل التصفية</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>الملفات</translation>
    </message>
</context>
</TS>
