<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Applications</name>
    <message>
        <source>The application “%1” is not installed.</source>
        <translation>アプリケーション「%1」はインストールされていません。</translation>
    </message>
    <message>
        <source>There is no program to start.</source>
        <translation>起動するプログラムがありません。</translation>
    </message>
</context>
<context>
    <name>ArchiveVerbs</name>
    <message>
        <source>“%1” cannot be the name of an archive.</source>
        <translation>「%1」は圧縮ファイルの名前にできません。</translation>
    </message>
    <message>
        <source>E&amp;xtract Here</source>
        <translation>ここに展開(&amp;X)</translation>
    </message>
    <message>
        <source>Compre&amp;ss...</source>
        <translation>圧縮(&amp;S)...</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Compress</source>
        <translation>圧縮(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Archives</name>
    <message>
        <source>its name leads out of the folder it is unpacked into.</source>
        <translation>名前が展開先のフォルダーの外を指しています。</translation>
    </message>
    <message>
        <source>it has no name.</source>
        <translation>名前がありません。</translation>
    </message>
    <message>
        <source>it is a device, pipe or socket, which is never unpacked.</source>
        <translation>デバイス、パイプ、ソケットのいずれかで、これらは展開しません。</translation>
    </message>
    <message>
        <source>it lies behind a link or a file, so it would land elsewhere.</source>
        <translation>リンクまたはファイルの先にあるため、別の場所に書き込まれてしまいます。</translation>
    </message>
    <message>
        <source>a folder of that name is already there.</source>
        <translation>同じ名前のフォルダーが既にあります。</translation>
    </message>
    <message>
        <source>it is a hard link to something the archive does not hold.</source>
        <translation>圧縮ファイルに含まれていないものへのハード リンクです。</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere.</source>
        <translation>どこも指していないリンクです。</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>「%1」を読み取れませんでした: %2</translation>
    </message>
    <message>
        <source>“%1” needs more space than the disk has free.</source>
        <translation>「%1」を展開するには、ディスクの空き領域が足りません。</translation>
    </message>
    <message>
        <source>“%1” unpacks to far more than its own size.</source>
        <translation>「%1」は展開すると元のサイズよりはるかに大きくなります。</translation>
    </message>
    <message>
        <source>It holds at least %1 in an archive of %2, and the disk has %3 free; it may fill the disk. Retry goes on unpacking it, Skip leaves it packed.</source>
        <translation>%2 の圧縮ファイルに少なくとも %1 が含まれていますが、ディスクの空き領域は %3 です。ディスクがいっぱいになるおそれがあります。[再試行] を選ぶと展開を続け、[スキップ] を選ぶと圧縮したままにします。</translation>
    </message>
    <message>
        <source>It was left packed: it unpacks to %1.</source>
        <translation>圧縮したままにしました: 展開すると %1 になります。</translation>
    </message>
    <message>
        <source>“%1” was left out: %2</source>
        <translation>「%1」は除外されました: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>「%1」を書き込めませんでした。%2</translation>
    </message>
    <message>
        <source>It is encrypted in a way that cannot be unpacked here (%1).</source>
        <translation>ここでは展開できない方式で暗号化されています (%1)。</translation>
    </message>
    <message>
        <source>The password was wrong, so nothing was unpacked.</source>
        <translation>パスワードが間違っていたため、何も展開されませんでした。</translation>
    </message>
    <message>
        <source>No password was given, so nothing was unpacked.</source>
        <translation>パスワードが入力されなかったため、何も展開されませんでした。</translation>
    </message>
    <message>
        <source>The password was wrong, or the archive is damaged (%1).</source>
        <translation>パスワードが間違っているか、圧縮ファイルが壊れています (%1)。</translation>
    </message>
    <message>
        <source>It is damaged, cut short or not an archive (%1).</source>
        <translation>壊れているか、途中で切れているか、圧縮ファイルではありません (%1)。</translation>
    </message>
    <message>
        <source>It holds nothing to unpack.</source>
        <translation>展開するものが含まれていません。</translation>
    </message>
    <message>
        <source>Zip (%1)</source>
        <translation>Zip (%1)</translation>
    </message>
    <message>
        <source>Tar, gzip (%1)</source>
        <translation>Tar、gzip (%1)</translation>
    </message>
    <message>
        <source>Tar, xz (%1)</source>
        <translation>Tar、xz (%1)</translation>
    </message>
    <message>
        <source>Tar, Zstandard (%1)</source>
        <translation>Tar、Zstandard (%1)</translation>
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
        <translation>引数を、それぞれのフォルダー内で選択された項目として表示します。同じフォルダーの項目は 1 つのウィンドウにまとめて表示します。</translation>
    </message>
    <message>
        <source>Show the splash screen first.</source>
        <translation>最初にスプラッシュ画面を表示します。</translation>
    </message>
    <message>
        <source>Browse and manage files: a folder tree beside the folder&apos;s contents.</source>
        <translation>ファイルを閲覧、管理します: フォルダー ツリーとフォルダーの内容を並べて表示します。</translation>
    </message>
    <message>
        <source>Folders or files to show, as paths or file:// addresses. A file opens its folder with the file selected, and the files of one folder share its window; each further folder opens in a window of its own.</source>
        <translation>表示するフォルダーまたはファイル (パスまたは file:// アドレス)。ファイルを指定すると、そのファイルを選択した状態でフォルダーを開きます。同じフォルダーのファイルは 1 つのウィンドウにまとめ、それ以外のフォルダーはそれぞれ別のウィンドウで開きます。</translation>
    </message>
    <message>
        <source>Open the home folder when no path is given (or none can be shown).</source>
        <translation>パスが指定されていない場合 (または表示できるものがない場合) は、ホーム フォルダーを開きます。</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation>名前を空にすることはできません。</translation>
    </message>
    <message>
        <source>“%1” cannot be used as a name.</source>
        <translation>「%1」は名前として使用できません。</translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation>名前に「/」を含めることはできません。</translation>
    </message>
    <message>
        <source>The name “%1” is too long.</source>
        <translation>名前「%1」は長すぎます。</translation>
    </message>
</context>
<context>
    <name>FileTransfer</name>
    <message>
        <source>“%1” was moved, but the original could not be removed. %2</source>
        <translation>「%1」を移動しましたが、元の項目を削除できませんでした。%2</translation>
    </message>
    <message>
        <source>“%1” was left as it was: nothing can replace itself.</source>
        <translation>「%1」はそのままにしました: 項目を自分自身で置き換えることはできません。</translation>
    </message>
    <message>
        <source>“%1” was left as it was: a folder and a file cannot replace each other.</source>
        <translation>「%1」はそのままにしました: フォルダーとファイルを互いに置き換えることはできません。</translation>
    </message>
    <message>
        <source>Could not copy “%1”.</source>
        <translation>「%1」をコピーできませんでした。</translation>
    </message>
    <message>
        <source>Could not move “%1”.</source>
        <translation>「%1」を移動できませんでした。</translation>
    </message>
    <message>
        <source>Could not make a link to “%1”.</source>
        <translation>「%1」へのリンクを作成できませんでした。</translation>
    </message>
    <message>
        <source>“%1” was copied, but the disk did not confirm the copy, so the original was kept. %2</source>
        <translation>「%1」をコピーしましたが、ディスクがコピーを確認できなかったため、元の項目を残しました。%2</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>コピー中</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>移動中</translation>
    </message>
    <message>
        <source>Making links</source>
        <translation>リンクの作成中</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>名前の変更中</translation>
    </message>
    <message>
        <source>Making a folder</source>
        <translation>フォルダーの作成中</translation>
    </message>
    <message>
        <source>Moving to the Recycle Bin</source>
        <translation>ごみ箱へ移動中</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>削除中</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>復元中</translation>
    </message>
    <message>
        <source>Changing permissions</source>
        <translation>アクセス許可の変更中</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>展開中</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>圧縮中</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>次の項目を削除できませんでした:</translation>
    </message>
    <message>
        <source>These items could not be restored:</source>
        <translation>次の項目を復元できませんでした:</translation>
    </message>
    <message>
        <source>Some items were left out:</source>
        <translation>一部の項目が除外されました:</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>一部の変更を適用できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be transferred:</source>
        <translation>
            <numerusform>%n 個の項目を転送できませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder, modified %1</source>
        <translation>フォルダー、更新日時 %1</translation>
    </message>
    <message>
        <source>%1, modified %2</source>
        <translation>%1、更新日時 %2</translation>
    </message>
    <message>
        <source>&amp;Apply to all</source>
        <translation>すべてに適用(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>統合(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換え(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>両方残す(&amp;K)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>パスワードが間違っています。</translation>
    </message>
    <message>
        <source>“%1” is protected by a password:</source>
        <translation>「%1」はパスワードで保護されています:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>ほか %n 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>There is already a folder named “%1” in “%2”.</source>
        <translation>「%2」には「%1」という名前のフォルダーが既にあります。</translation>
    </message>
    <message>
        <source>There is already a file named “%1” in “%2”.</source>
        <translation>「%2」には「%1」という名前のファイルが既にあります。</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation>既存の項目: %1</translation>
    </message>
    <message>
        <source>Arriving: %1</source>
        <translation>貼り付ける項目: %1</translation>
    </message>
    <message>
        <source>The item you are pasting is a link to “%1”.</source>
        <translation>貼り付ける項目は「%1」へのリンクです。</translation>
    </message>
    <message>
        <source>It is the item itself. Keep both makes a copy beside it.</source>
        <translation>同じ項目です。[両方残す] を選ぶと、隣にコピーを作成します。</translation>
    </message>
    <message>
        <source>Merging puts what both folders hold into one; items of the same name are asked about one by one.</source>
        <translation>統合すると、両方のフォルダーの内容を 1 つにまとめます。同じ名前の項目については 1 つずつ確認します。</translation>
    </message>
    <message>
        <source>Copying 1 item to “%1”</source>
        <translation>1 個の項目を「%1」にコピーしています</translation>
    </message>
    <message numerus="yes">
        <source>Copying %n items to “%1”</source>
        <translation>
            <numerusform>%n 個の項目を「%1」にコピーしています</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving 1 item to “%1”</source>
        <translation>1 個の項目を「%1」に移動しています</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n items to “%1”</source>
        <translation>
            <numerusform>%n 個の項目を「%1」に移動しています</numerusform>
        </translation>
    </message>
    <message>
        <source>Making 1 link in “%1”</source>
        <translation>「%1」に 1 個のリンクを作成しています</translation>
    </message>
    <message numerus="yes">
        <source>Making %n links in “%1”</source>
        <translation>
            <numerusform>「%1」に %n 個のリンクを作成しています</numerusform>
        </translation>
    </message>
    <message>
        <source>Unpacking 1 archive in “%1”</source>
        <translation>「%1」に 1 個の圧縮ファイルを展開しています</translation>
    </message>
    <message numerus="yes">
        <source>Unpacking %n archives in “%1”</source>
        <translation>
            <numerusform>「%1」に %n 個の圧縮ファイルを展開しています</numerusform>
        </translation>
    </message>
    <message>
        <source>Packing 1 item in “%1”</source>
        <translation>「%1」に 1 個の項目を圧縮しています</translation>
    </message>
    <message numerus="yes">
        <source>Packing %n items in “%1”</source>
        <translation>
            <numerusform>「%1」に %n 個の項目を圧縮しています</numerusform>
        </translation>
    </message>
    <message>
        <source>Operations are still running. Let them finish before the program ends?

Yes lets them finish first; No cancels them, and what they had begun is cleaned away.</source>
        <translation>まだ実行中の操作があります。プログラムを終了する前に完了させますか?

[はい] を選ぶと完了してから終了します。[いいえ] を選ぶと操作を取り消し、途中まで行った内容を片付けます。</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>R&amp;edo</source>
        <translation>やり直し(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>やり直す操作はありません。</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>元に戻す操作はありません。</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n item(s) were left as they were: the job was cancelled before them.</source>
        <translation>
            <numerusform>%n 個の項目はそのままです: その前に操作が取り消されました。</numerusform>
        </translation>
    </message>
    <message>
        <source>It is a pipe, socket or device, which cannot be copied.</source>
        <translation>パイプ、ソケット、デバイスのいずれかで、コピーできません。</translation>
    </message>
    <message>
        <source>The copy did not match the original, so the original was kept.</source>
        <translation>コピーが元の項目と一致しなかったため、元の項目を残しました。</translation>
    </message>
    <message>
        <source>No free name was found for it.</source>
        <translation>使用できる名前が見つかりませんでした。</translation>
    </message>
    <message>
        <source>A folder in it was moved elsewhere meanwhile, so the work stopped there.</source>
        <translation>中のフォルダーがその間に別の場所へ移動されたため、そこで処理を中止しました。</translation>
    </message>
    <message>
        <source>The system cannot change it without following links, which could lead elsewhere.</source>
        <translation>リンクをたどらないと変更できません。リンクは別の場所を指している可能性があります。</translation>
    </message>
    <message>
        <source>It no longer exists.</source>
        <translation>存在しません。</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk.</source>
        <translation>ディスクの空き領域が足りません。</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>ディスク クォータを超えました。</translation>
    </message>
    <message>
        <source>Permission was denied.</source>
        <translation>アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>ディスクは読み取り専用です。</translation>
    </message>
    <message>
        <source>The name is too long for the target.</source>
        <translation>名前が長すぎて、移動先では使用できません。</translation>
    </message>
    <message>
        <source>The disk could not be read or written.</source>
        <translation>ディスクの読み取りまたは書き込みができませんでした。</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>このフォルダーには「%1」という名前の項目が既にあります。</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>「%1」はもうありません。</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist.</source>
        <translation>フォルダー「%1」は存在しません。</translation>
    </message>
    <message>
        <source>The folder “%1” is no longer there.</source>
        <translation>フォルダー「%1」はもうありません。</translation>
    </message>
    <message>
        <source>“%1” is not a folder.</source>
        <translation>「%1」はフォルダーではありません。</translation>
    </message>
    <message>
        <source>“%1” could not be renamed. %2</source>
        <translation>「%1」の名前を変更できませんでした。%2</translation>
    </message>
    <message>
        <source>A new folder could not be made here. %1</source>
        <translation>ここに新しいフォルダーを作成できませんでした。%1</translation>
    </message>
    <message>
        <source>The permissions of “%1” could not be changed. %2</source>
        <translation>「%1」のアクセス許可を変更できませんでした。%2</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went.</source>
        <translation>「%1」は [キャンセル] の前に一部が削除されました: 中の %2 個の項目が削除されました。</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went, %3 are left.</source>
        <translation>「%1」は [キャンセル] の前に一部が削除されました: 中の %2 個の項目が削除され、%3 個が残っています。</translation>
    </message>
    <message>
        <source>“%1” was under way and did not answer Cancel; it may be partly done.</source>
        <translation>「%1」は実行中で、[キャンセル] に応答しませんでした。一部だけ完了している可能性があります。</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>コントロール パネル</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>プリンター</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>マイ コンピューター</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>探索(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>ショートカットの作成(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>名前の変更(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>プロパティ(&amp;P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>すべて選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>選択の切り替え(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツール バー(&amp;T)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>ステータス バー(&amp;B)</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>大きいアイコン(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>小さいアイコン(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>一覧(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>詳細(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Customize Toolbar...</source>
        <translation>ツール バーのカスタマイズ(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Map Network Drive...</source>
        <translation>ネットワーク ドライブの割り当て(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Disconnect NetworkDrive...</source>
        <translation>ネットワーク ドライブの切断(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Go to...</source>
        <translation>指定の場所へ移動(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Operation &amp;History...</source>
        <translation>操作の履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>NetworkMounter</name>
    <message>
        <source>Connecting was cancelled.</source>
        <translation>接続を取り消しました。</translation>
    </message>
    <message>
        <source>Disconnecting was cancelled.</source>
        <translation>切断を取り消しました。</translation>
    </message>
    <message>
        <source>The network drive could not be connected.</source>
        <translation>ネットワーク ドライブを接続できませんでした。</translation>
    </message>
    <message>
        <source>The network drive could not be disconnected.</source>
        <translation>ネットワーク ドライブを切断できませんでした。</translation>
    </message>
    <message>
        <source>This copy of the program cannot work with the desktop&apos;s file services.</source>
        <translation>このプログラムは、デスクトップのファイル サービスを利用できません。</translation>
    </message>
    <message>
        <source>Network drives need a desktop session, and none is running here.</source>
        <translation>ネットワーク ドライブにはデスクトップ セッションが必要ですが、ここでは実行されていません。</translation>
    </message>
    <message>
        <source>The desktop&apos;s file services do not answer.</source>
        <translation>デスクトップのファイル サービスが応答しません。</translation>
    </message>
    <message>
        <source>Network drives need the desktop&apos;s file services for network locations (the gvfs and gvfs-backends packages), and they are not installed.</source>
        <translation>ネットワーク ドライブには、ネットワークの場所を扱うデスクトップのファイル サービス (gvfs パッケージと gvfs-backends パッケージ) が必要ですが、インストールされていません。</translation>
    </message>
    <message>
        <source>The server did not answer within a minute.</source>
        <translation>サーバーが 1 分以内に応答しませんでした。</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected here: the desktop&apos;s file services for them are not installed.</source>
        <translation>%1:// アドレスはここでは接続できません: それを扱うデスクトップのファイル サービスがインストールされていません。</translation>
    </message>
    <message>
        <source>Another network drive is still being connected.</source>
        <translation>別のネットワーク ドライブをまだ接続中です。</translation>
    </message>
    <message>
        <source>%1 is not connected.</source>
        <translation>%1 は接続されていません。</translation>
    </message>
    <message>
        <source>Type the address of a shared folder, such as smb://server/share.</source>
        <translation>共有フォルダーのアドレスを入力してください (例: smb://server/share)。</translation>
    </message>
    <message>
        <source>The address contains characters that cannot be part of one.</source>
        <translation>アドレスに使用できない文字が含まれています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network address. Start it with the kind of connection, such as smb:// or sftp://.</source>
        <translation>「%1」はネットワーク アドレスではありません。smb:// や sftp:// のように、接続の種類から始めてください。</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected as a network drive. Use smb://, sftp://, ftp:// or dav://.</source>
        <translation>%1:// アドレスはネットワーク ドライブとして接続できません。smb://、sftp://、ftp://、dav:// のいずれかを使用してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>「%1」は有効なアドレスではありません。</translation>
    </message>
    <message>
        <source>The address names no server. Write it as %1://server/folder.</source>
        <translation>アドレスにサーバーが指定されていません。%1://server/folder の形式で入力してください。</translation>
    </message>
    <message>
        <source>Leave the password out of the address; you will be asked for it.</source>
        <translation>アドレスにパスワードを含めないでください。パスワードは後で尋ねられます。</translation>
    </message>
    <message>
        <source>Write &quot;?&quot; and &quot;#&quot; in a name as %3F and %23.</source>
        <translation>名前に含まれる「?」と「#」は、それぞれ %3F と %23 と入力してください。</translation>
    </message>
</context>
<context>
    <name>OperationsWindow</name>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>%1 の進行状況</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>&amp;Answer…</source>
        <translation>応答(&amp;A)…</translation>
    </message>
    <message>
        <source>Answer the question of %1</source>
        <translation>%1 の質問に応答</translation>
    </message>
    <message>
        <source>Start &amp;Now</source>
        <translation>今すぐ開始(&amp;N)</translation>
    </message>
    <message>
        <source>Start %1 now</source>
        <translation>%1 を今すぐ開始</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>Pause %1</source>
        <translation>%1 を一時停止</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <translation>%1 をキャンセル</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>キャンセルしています…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>再開(&amp;R)</translation>
    </message>
    <message>
        <source>Resume %1</source>
        <translation>%1 を再開</translation>
    </message>
    <message>
        <source>Waiting for the operation before it on this disk</source>
        <translation>このディスクの前の操作を待っています</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1/%2 個の項目</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1/s, about %2 left</source>
        <translation>%1/秒、残り約 %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Nothing is being done.</source>
        <translation>実行中の操作はありません。</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>it is no longer in the Recycle Bin.</source>
        <translation>ごみ箱にもうありません。</translation>
    </message>
    <message>
        <source>There are no files on the clipboard to paste.</source>
        <translation>クリップボードに貼り付けるファイルがありません。</translation>
    </message>
    <message>
        <source>Move “%1” to the Recycle Bin?</source>
        <translation>「%1」をごみ箱へ移動しますか?</translation>
    </message>
    <message>
        <source>Move these %1 items to the Recycle Bin?</source>
        <translation>これら %1 個の項目をごみ箱へ移動しますか?</translation>
    </message>
    <message>
        <source>These items were not moved to the Recycle Bin:
%1</source>
        <translation>次の項目はごみ箱へ移動されませんでした:
%1</translation>
    </message>
    <message>
        <source>These items cannot be moved to the Recycle Bin:
%1

Delete them for good? They cannot be brought back. This cannot be undone.</source>
        <translation>次の項目はごみ箱へ移動できません:
%1

完全に削除しますか? 元に戻すことはできません。この操作は取り消せません。</translation>
    </message>
    <message>
        <source>These items could not be deleted:
%1</source>
        <translation>次の項目を削除できませんでした:
%1</translation>
    </message>
    <message>
        <source>Permanently delete “%1”? This cannot be undone.</source>
        <translation>「%1」を完全に削除しますか? この操作は取り消せません。</translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete these %n items? This cannot be undone.</source>
        <translation>
            <numerusform>これら %n 個の項目を完全に削除しますか? この操作は取り消せません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” for good? It cannot be brought back. This cannot be undone.</source>
        <translation>「%1」を完全に削除しますか? 元に戻すことはできません。この操作は取り消せません。</translation>
    </message>
    <message>
        <source>Delete these %1 items for good? They cannot be brought back. This cannot be undone.</source>
        <translation>これら %1 個の項目を完全に削除しますか? 元に戻すことはできません。この操作は取り消せません。</translation>
    </message>
    <message>
        <source>Something named “%1” is already in “%2”. Restore the item as “%3”?</source>
        <translation>「%2」には「%1」という名前のものが既にあります。項目を「%3」として復元しますか?</translation>
    </message>
    <message>
        <source>These items could not be restored:
%1</source>
        <translation>次の項目を復元できませんでした:
%1</translation>
    </message>
    <message>
        <source>Permanently delete everything in the Recycle Bin? This cannot be undone.</source>
        <translation>ごみ箱の中身をすべて完全に削除しますか? この操作は取り消せません。</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>設定を %1 に保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>a setting needs a name</source>
        <translation>設定には名前が必要です</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>the file would grow beyond %1 KiB, more than it may hold</source>
        <translation>ファイルが %1 KiB を超え、保存できる量を上回ります</translation>
    </message>
</context>
<context>
    <name>ShellSources</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation>システム フォルダー</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>ローカル ディスク</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation>ネットワーク ドライブ</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation>ローカル ディスク (%1)</translation>
    </message>
</context>
<context>
    <name>StartPlaces</name>
    <message>
        <source>An empty argument names no file or folder.</source>
        <translation>空の引数はファイルもフォルダーも指していません。</translation>
    </message>
    <message>
        <source>“%1” is not on this computer or not connected; connect it with Tools &gt; Map Network Drive first.</source>
        <translation>「%1」はこのコンピューター上にないか、接続されていません。先に [ツール] &gt; [ネットワーク ドライブの割り当て] で接続してください。</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <translation>「%1」: %2。</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>「%1」を開けません: %2。</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Contents of &apos;%1&apos;</source>
        <translation>「%1」の内容</translation>
    </message>
    <message>
        <source>Contents of &apos;Desktop&apos;</source>
        <translation>「デスクトップ」の内容</translation>
    </message>
    <message>
        <source>Contents of &apos;Control Panel&apos;</source>
        <translation>「コントロール パネル」の内容</translation>
    </message>
    <message>
        <source>Contents of &apos;Printers&apos;</source>
        <translation>「プリンター」の内容</translation>
    </message>
    <message>
        <source>Contents of &apos;Recycle Bin&apos;</source>
        <translation>「ごみ箱」の内容</translation>
    </message>
    <message>
        <source>Contents of &apos;My Computer&apos;</source>
        <translation>「マイ コンピューター」の内容</translation>
    </message>
    <message>
        <source>Contents of selected namespace</source>
        <translation>選択した名前空間の内容</translation>
    </message>
    <message>
        <source>1 Item Selected</source>
        <translation>1 個の項目を選択</translation>
    </message>
    <message numerus="yes">
        <source> %n Items Selected.</source>
        <translation>
            <numerusform> %n 個の項目を選択。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Up One Level</source>
        <translation>1 つ上のレベルへ</translation>
    </message>
    <message>
        <source>Map Network Drive</source>
        <translation>ネットワーク ドライブの割り当て</translation>
    </message>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>ネットワーク ドライブの切断</translation>
    </message>
    <message>
        <source>Disconnect Net Drive</source>
        <translation>ドライブの切断</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>大きいアイコン</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>小さいアイコン</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
</context>
<context>
    <name>TrashStore</name>
    <message>
        <source>“%1” could not be moved to the trash: %2.</source>
        <translation>「%1」をごみ箱へ移動できませんでした: %2。</translation>
    </message>
    <message>
        <source>“%1” cannot be moved to the trash.</source>
        <translation>「%1」はごみ箱へ移動できません。</translation>
    </message>
    <message>
        <source>“%1” is a mounted volume and cannot be moved to the trash.</source>
        <translation>「%1」はマウントされたボリュームのため、ごみ箱へ移動できません。</translation>
    </message>
    <message>
        <source>The trash folder “%1” could not be set up: %2.</source>
        <translation>ごみ箱フォルダー「%1」を準備できませんでした: %2。</translation>
    </message>
    <message>
        <source>“%1” holds the trash and cannot be moved into it.</source>
        <translation>「%1」にはごみ箱が含まれているため、ごみ箱へ移動できません。</translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation>「%1」は既にごみ箱にあります。</translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: too many items of that name are in it already.</source>
        <translation>「%1」をごみ箱へ移動できませんでした: 同じ名前の項目がごみ箱に多すぎます。</translation>
    </message>
    <message>
        <source>“%1” was not moved: its volume has no trash that can be used.</source>
        <translation>「%1」は移動されませんでした: そのボリュームには使用できるごみ箱がありません。</translation>
    </message>
    <message>
        <source>“%1” is not in the trash.</source>
        <translation>「%1」はごみ箱にありません。</translation>
    </message>
    <message>
        <source>“%1” is no longer in the trash.</source>
        <translation>「%1」はもうごみ箱にありません。</translation>
    </message>
    <message>
        <source>“%1” was not restored: the trash does not say where it came from.</source>
        <translation>「%1」は復元されませんでした: 元の場所がごみ箱に記録されていません。</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” already exists.</source>
        <translation>「%1」は復元されませんでした: 「%2」が既に存在します。</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” lies outside the volume whose trash holds it.</source>
        <translation>「%1」は復元されませんでした: 「%2」は、この項目を保持するごみ箱のボリュームの外にあります。</translation>
    </message>
    <message>
        <source>“%1” was not restored: the folder “%2” could not be created: %3.</source>
        <translation>「%1」は復元されませんでした: フォルダー「%2」を作成できませんでした: %3。</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” is on another volume.</source>
        <translation>「%1」は復元されませんでした: 「%2」は別のボリュームにあります。</translation>
    </message>
    <message>
        <source>“%1” was not restored: %2.</source>
        <translation>「%1」は復元されませんでした: %2。</translation>
    </message>
    <message>
        <source>“%1” could not be deleted completely: %2</source>
        <translation>「%1」を完全には削除できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>%1: is no longer there, left alone</source>
        <translation>%1: もうないため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: was changed since, left alone</source>
        <translation>%1: その後変更されたため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: the place is now taken, left alone</source>
        <translation>%1: その場所が既に使われているため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: is no longer in the trash, left alone</source>
        <translation>%1: もうごみ箱にないため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: is no longer empty, left alone</source>
        <translation>%1: もう空ではないため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: is no longer a link, left alone</source>
        <translation>%1: もうリンクではないため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: was deleted for good and cannot be brought back</source>
        <translation>%1: 完全に削除されたため、元に戻せません</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンクの作成</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>ごみ箱へ移動</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete from Recycle Bin</source>
        <translation>ごみ箱から削除</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Permissions Change</source>
        <translation>アクセス許可の変更</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>展開</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>%1 of “%2”</source>
        <translation>「%2」の%1</translation>
    </message>
    <message>
        <source>%1 of %2 Items</source>
        <translation>%2 個の項目の%1</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>やり直し - %1(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す - %1(&amp;U)</translation>
    </message>
    <message>
        <source>“%1” cannot be undone.</source>
        <translation>%1は元に戻せません。</translation>
    </message>
    <message>
        <source>The operation is no longer in the history.</source>
        <translation>この操作はもう履歴にありません。</translation>
    </message>
    <message>
        <source>“%1” is being undone or redone elsewhere, or was cut short.</source>
        <translation>%1は別の場所で元に戻すかやり直している途中か、途中で中断されました。</translation>
    </message>
    <message>
        <source>“%1” was redone meanwhile.</source>
        <translation>%1はその間にやり直されました。</translation>
    </message>
    <message>
        <source>“%1” was undone meanwhile.</source>
        <translation>%1はその間に元に戻されました。</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete for &amp;Good</source>
        <translation>完全に削除(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>名前の変更(&amp;M)</translation>
    </message>
    <message>
        <source>Create &amp;Link</source>
        <translation>リンクの作成(&amp;L)</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>プロパティ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>New &amp;Folder</source>
        <translation>新しいフォルダー(&amp;F)</translation>
    </message>
</context>
<context>
    <name>VolumeMonitor</name>
    <message>
        <source>Network Share</source>
        <translation>ネットワーク共有</translation>
    </message>
    <message>
        <source>CD/DVD Drive</source>
        <translation>CD/DVD ドライブ</translation>
    </message>
    <message>
        <source>Encrypted Volume</source>
        <translation>暗号化ボリューム</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>リムーバブル ディスク</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>ローカル ディスク</translation>
    </message>
    <message>
        <source>The volume is no longer there.</source>
        <translation>ボリュームがもうありません。</translation>
    </message>
    <message>
        <source>The volume is not mounted.</source>
        <translation>ボリュームはマウントされていません。</translation>
    </message>
    <message>
        <source>The volume cannot be ejected.</source>
        <translation>ボリュームを取り出せません。</translation>
    </message>
    <message>
        <source>The drive cannot be removed safely from here.</source>
        <translation>ここからはドライブを安全に取り外せません。</translation>
    </message>
    <message>
        <source>The volume is in use.</source>
        <translation>ボリュームは使用中です。</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>操作に失敗しました。</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>合計サイズ</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation type="vanished">ローカル ディスク</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation>ホーム フォルダー</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation type="vanished">ネットワーク ドライブ</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation type="vanished">ローカル ディスク (%1)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Original Location</source>
        <translation>元の場所</translation>
    </message>
    <message>
        <source>Date Deleted</source>
        <translation>削除日時</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>印刷中</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (既定)</translation>
    </message>
</context>
<context>
    <name>frmExplore</name>
    <message>
        <source>Back</source>
        <translation type="vanished">戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="vanished">進む</translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="vanished">ホーム</translation>
    </message>
</context>
<context>
    <name>tarnwick::CredentialsDialog</name>
    <message>
        <source>Log In</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>The server refused the last try. Check the user name and the password.</source>
        <translation>サーバーが前回の試行を拒否しました。ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>The server asks who you are.</source>
        <translation>サーバーが認証を求めています。</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>ユーザー名(&amp;U):</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ドメイン</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>ドメイン(&amp;D):</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>パスワードを保存する(&amp;R)</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>パスワードを保存する</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>&amp;Log In</source>
        <translation>ログイン(&amp;L)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>tarnwick::DataSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 バイト</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln バイト</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::DisconnectNetworkDriveDialog</name>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>ネットワーク ドライブの切断</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Network locations:</source>
        <translation>ネットワークの場所(&amp;N):</translation>
    </message>
    <message>
        <source>Network locations</source>
        <translation>ネットワークの場所</translation>
    </message>
    <message>
        <source>No network locations are connected.</source>
        <translation>接続されているネットワークの場所はありません。</translation>
    </message>
    <message>
        <source>No network locations</source>
        <translation>ネットワークの場所なし</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>切断(&amp;D)</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Disconnecting %1…</source>
        <translation>%1 を切断しています…</translation>
    </message>
    <message>
        <source>%1 could not be disconnected. %2</source>
        <translation>%1 を切断できませんでした。%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerCombo</name>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerListView</name>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>The folder “%1” could not be read completely: %2.</source>
        <translation>フォルダー「%1」をすべて読み取ることができませんでした: %2。</translation>
    </message>
    <message>
        <source>Files cannot be pasted into %1.</source>
        <translation>%1 にはファイルを貼り付けられません。</translation>
    </message>
    <message>
        <source>Renaming in place is turned off.</source>
        <translation>その場での名前の変更はオフになっています。</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>プログラムから開く(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>ここでターミナルを開く(&amp;H)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>“%1” could not be started.</source>
        <translation>「%1」を起動できませんでした。</translation>
    </message>
    <message>
        <source>There is nothing to open for “%1”.</source>
        <translation>「%1」に対して開くものがありません。</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>ごみ箱を空にする(&amp;B)</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerTreeView</name>
    <message>
        <source>Waiting for %1...</source>
        <translation>%1 を待っています...</translation>
    </message>
    <message>
        <source>%1 was connected, but its folder %2 does not answer.</source>
        <translation>%1 は接続されましたが、フォルダー %2 が応答しません。</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be deleted.</source>
        <translation>「%1」はボリューム全体のため、削除できません。</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be renamed here.</source>
        <translation>「%1」はボリューム全体のため、ここでは名前を変更できません。</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>ここでターミナルを開く(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>The volume of %1 is no longer there, so My Computer is shown.</source>
        <translation>%1 のボリュームがなくなったため、マイ コンピューターを表示しています。</translation>
    </message>
    <message>
        <source>The connection to “%1” was lost, so My Computer is shown.</source>
        <translation>「%1」への接続が切れたため、マイ コンピューターを表示しています。</translation>
    </message>
    <message>
        <source>You do not have permission to open the folder “%1”.</source>
        <translation>フォルダー「%1」を開くアクセス許可がありません。</translation>
    </message>
    <message>
        <source>“%1” is in use, so it was left mounted. Close the files and programs that use it, then try again.</source>
        <translation>「%1」は使用中のため、マウントしたままにしました。使用しているファイルとプログラムを閉じてから、もう一度実行してください。</translation>
    </message>
    <message>
        <source>This window has left %1, which was open on it.</source>
        <translation>このウィンドウは、開いていた %1 から移動しました。</translation>
    </message>
    <message>
        <source>U&amp;nmount</source>
        <translation>マウント解除(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;ject</source>
        <translation>取り出し(&amp;J)</translation>
    </message>
    <message>
        <source>Safel&amp;y Remove</source>
        <translation>安全に取り外す(&amp;Y)</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>プロパティ(&amp;R)</translation>
    </message>
    <message>
        <source>Unlock Volume</source>
        <translation>ボリュームのロック解除</translation>
    </message>
    <message>
        <source>Passphrase:</source>
        <translation>パスフレーズ:</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>ごみ箱を空にする(&amp;B)</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileManagerService</name>
    <message>
        <source>“%1” is neither an address nor an absolute path.</source>
        <translation>「%1」はアドレスでも絶対パスでもありません。</translation>
    </message>
    <message>
        <source>No window could be started for %1.</source>
        <translation>%1 のウィンドウを開けませんでした。</translation>
    </message>
    <message>
        <source>One request opens at most %1 windows; not opened: %2.</source>
        <translation>1 回の要求で開けるウィンドウは %1 個までです。開かなかったもの: %2。</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileOpener</name>
    <message>
        <source>No application is set to open “%1”.</source>
        <translation>「%1」を開くアプリケーションが設定されていません。</translation>
    </message>
    <message>
        <source>Choose the application to open “%1” with.</source>
        <translation>「%1」を開くアプリケーションを選択してください。</translation>
    </message>
    <message>
        <source>“%1” could not be opened: %2</source>
        <translation>「%1」を開けませんでした: %2</translation>
    </message>
    <message>
        <source>Run “%1”?</source>
        <translation>「%1」を実行しますか?</translation>
    </message>
    <message>
        <source>It is a program. Run it only if you trust where it came from.</source>
        <translation>これはプログラムです。入手元が信頼できる場合にのみ実行してください。</translation>
    </message>
    <message>
        <source>It is a launcher: it starts “%1” with the command %2. Run it only if you trust where it came from.</source>
        <translation>これはランチャーです: コマンド %2 で「%1」を起動します。入手元が信頼できる場合にのみ実行してください。</translation>
    </message>
    <message>
        <source>No terminal was found. Set the TERMINAL variable to the one you use.</source>
        <translation>ターミナルが見つかりませんでした。TERMINAL 環境変数に使用するターミナルを設定してください。</translation>
    </message>
    <message>
        <source>No terminal could be started in “%1”: %2</source>
        <translation>「%1」でターミナルを起動できませんでした: %2</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>読み取れません。</translation>
    </message>
    <message>
        <source>The application is gone.</source>
        <translation>アプリケーションがなくなっています。</translation>
    </message>
    <message>
        <source>Other &amp;Application...</source>
        <translation>別のアプリケーション(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>実行(&amp;R)</translation>
    </message>
    <message>
        <source>Open as &amp;Text</source>
        <translation>テキストとして開く(&amp;T)</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileTransfer</name>
    <message>
        <source>Nothing was chosen.</source>
        <translation>何も選択されていません。</translation>
    </message>
    <message>
        <source>“%1” is not a full path.</source>
        <translation>「%1」は完全なパスではありません。</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be opened: %2.</source>
        <translation>フォルダー「%1」を開けません: %2。</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>「%1」はもう存在しません。</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be copied into itself or into a folder inside it.</source>
        <translation>フォルダー「%1」を、それ自身やその中のフォルダーにコピーすることはできません。</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be moved into itself or into a folder inside it.</source>
        <translation>フォルダー「%1」を、それ自身やその中のフォルダーに移動することはできません。</translation>
    </message>
    <message>
        <source>“%1” is already in this folder.</source>
        <translation>「%1」は既にこのフォルダーにあります。</translation>
    </message>
</context>
<context>
    <name>tarnwick::FindWindow</name>
    <message>
        <source>&amp;Named:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Named</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>*.txt; report</source>
        <translation>*.txt; レポート</translation>
    </message>
    <message>
        <source>Wildcards * and ?, several patterns separated by &apos;;&apos;. Case is ignored.</source>
        <translation>ワイルドカード * と ? を使用できます。複数のパターンは「;」で区切ります。大文字と小文字は区別しません。</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>含まれる文字列(&amp;T):</translation>
    </message>
    <message>
        <source>Containing text</source>
        <translation>含まれる文字列</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>大文字と小文字を区別する(&amp;C)</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>探す場所</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>参照(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>探す場所(&amp;L):</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>サブフォルダーも検索する(&amp;S)</translation>
    </message>
    <message>
        <source>F&amp;ind Now</source>
        <translation>今すぐ検索(&amp;I)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>中止(&amp;P)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Type the folder to look in.</source>
        <translation>検索するフォルダーを入力してください。</translation>
    </message>
    <message>
        <source>Type the folder&apos;s full path, starting with “/”.</source>
        <translation>フォルダーのフル パスを「/」から入力してください。</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be searched: %2.</source>
        <translation>フォルダー「%1」を検索できません: %2。</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>検索しています…</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>中止しました: %1</translation>
    </message>
    <message>
        <source>Look In</source>
        <translation>探す場所</translation>
    </message>
    <message>
        <source>Find: All Files</source>
        <translation>検索: すべてのファイル</translation>
    </message>
    <message>
        <source>Find: Files named %1</source>
        <translation>検索: 名前が %1 のファイル</translation>
    </message>
    <message>
        <source>Look in binar&amp;y files too</source>
        <translation>バイナリ ファイルも検索する(&amp;Y)</translation>
    </message>
    <message>
        <source>1 item found</source>
        <translation>1 個の項目が見つかりました</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items found</source>
        <translation>
            <numerusform>%Ln 個の項目が見つかりました</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 個のフォルダーを読み取れませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln 個のフォルダーを読み取れませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation>格納先フォルダーを開く(&amp;F)</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation type="vanished">別のウィンドウを開けませんでした: 「%1」が起動しませんでした。</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start. %2</source>
        <translation>別のウィンドウを開けませんでした: 「%1」が起動しませんでした。%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::FolderModel</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>Broken link</source>
        <translation>リンク切れ</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>特殊ファイル</translation>
    </message>
    <message>
        <source>%1 (link)</source>
        <translation>%1 (リンク)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
</context>
<context>
    <name>tarnwick::Form1</name>
    <message>
        <source>Print staging</source>
        <translation>印刷の準備</translation>
    </message>
</context>
<context>
    <name>tarnwick::FoundItemsModel</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
</context>
<context>
    <name>tarnwick::HistoryWindow</name>
    <message>
        <source>Cannot be undone</source>
        <translation>元に戻せません</translation>
    </message>
    <message>
        <source>Under way</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>元に戻し済み</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Operation History</source>
        <translation>操作の履歴</translation>
    </message>
    <message>
        <source>When</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>From</source>
        <translation>元の場所</translation>
    </message>
    <message>
        <source>To</source>
        <translation>移動先</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>tarnwick::MapNetworkDriveDialog</name>
    <message>
        <source>Map Network Drive</source>
        <translation>ネットワーク ドライブの割り当て</translation>
    </message>
    <message>
        <source>Connect a shared folder on another computer, so that you can open it like one of your own folders.</source>
        <translation>別のコンピューターの共有フォルダーを接続して、自分のフォルダーと同じように開けるようにします。</translation>
    </message>
    <message>
        <source>About this dialog</source>
        <translation>このダイアログについて</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>アドレス(&amp;A):</translation>
    </message>
    <message>
        <source>For example:
smb://server/share — a Windows or Samba share
sftp://user@server/folder — a folder reached over SSH
ftp://server/folder — an FTP server
dav://server/folder — a WebDAV folder (davs:// for a secure one)</source>
        <translation>例:
smb://server/share — Windows または Samba の共有
sftp://user@server/folder — SSH 経由でアクセスするフォルダー
ftp://server/folder — FTP サーバー
dav://server/folder — WebDAV フォルダー (安全な接続には davs://)</translation>
    </message>
    <message>
        <source>Address forms</source>
        <translation>アドレスの形式</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>接続(&amp;C)</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>%1 に接続しています…</translation>
    </message>
    <message>
        <source>%1 could not be connected.</source>
        <translation>%1 を接続できませんでした。</translation>
    </message>
</context>
<context>
    <name>tarnwick::NamespaceModel</name>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenWithDialog</name>
    <message>
        <source>&amp;Always use for this type</source>
        <translation>この種類のファイルには常に使用する(&amp;A)</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>プログラムから開く</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
</context>
<context>
    <name>tarnwick::Packer</name>
    <message>
        <source>“%1” could not be made. %2</source>
        <translation>「%1」を作成できませんでした。%2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>「%1」を書き込めませんでした。%2</translation>
    </message>
    <message>
        <source>Could not pack “%1”.</source>
        <translation>「%1」を圧縮できませんでした。</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2</source>
        <translation>「%1」を読み取れませんでした。%2</translation>
    </message>
    <message>
        <source>It was made shorter while being packed.</source>
        <translation>圧縮中にサイズが小さくなりました。</translation>
    </message>
    <message>
        <source>“%1” was left out. %2</source>
        <translation>「%1」は除外されました。%2</translation>
    </message>
    <message>
        <source>It could not be written. %1</source>
        <translation>書き込めませんでした。%1</translation>
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
        <translation>不明</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>%1 へのリンク</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>特殊ファイル</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2.</source>
        <translation>「%1」を読み取れません: %2。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Various types</source>
        <translation>複数の種類</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 個の項目</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>%1 のプロパティ</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>場所:</translation>
    </message>
    <message>
        <source>Various folders</source>
        <translation>複数のフォルダー</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>作成日時:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>更新日時:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>アクセス日時:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>所有者:</translation>
    </message>
    <message>
        <source>Various</source>
        <translation>複数</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>グループ:</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み取り</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Only the owner can change the permissions.</source>
        <translation>アクセス許可を変更できるのは所有者だけです。</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>アクセス許可:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1、%2、%3</translation>
    </message>
    <message>
        <source>Counting… %1</source>
        <translation>計算しています… %1</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>このフォルダーには「%1」という名前の項目が既にあります。</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>一部の変更を適用できませんでした。</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 バイト</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 個のファイル</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 個のフォルダー</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln 個のフォルダー</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 個のフォルダーを読み取れませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln 個のフォルダーを読み取れませんでした</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::StatusBarPanel</name>
    <message>
        <source>Status bar</source>
        <translation>ステータス バー</translation>
    </message>
</context>
<context>
    <name>tarnwick::ToolbarCustomizeDialog</name>
    <message>
        <source>Customize Toolbar</source>
        <translation>ツール バーのカスタマイズ</translation>
    </message>
    <message>
        <source>Available buttons</source>
        <translation>利用できるボタン</translation>
    </message>
    <message>
        <source>Toolbar buttons</source>
        <translation>ツール バーのボタン</translation>
    </message>
    <message>
        <source>&amp;Add -&gt;</source>
        <translation>追加(&amp;A) -&gt;</translation>
    </message>
    <message>
        <source>&lt;- &amp;Remove</source>
        <translation>&lt;- 削除(&amp;R)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下へ移動(&amp;D)</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>リセット(&amp;E)</translation>
    </message>
    <message>
        <source>A&amp;vailable buttons:</source>
        <translation>利用できるボタン(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Toolbar buttons:</source>
        <translation>ツール バーのボタン(&amp;T):</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>区切り</translation>
    </message>
    <message>
        <source>(blank button)</source>
        <translation>(空白のボタン)</translation>
    </message>
</context>
<context>
    <name>tarnwick::VolumePropertiesDialog</name>
    <message>
        <source>%1 Properties</source>
        <translation>%1 のプロパティ</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Mounted at:</source>
        <translation>マウント先:</translation>
    </message>
    <message>
        <source>Finding out...</source>
        <translation>確認しています...</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>マウントされていません</translation>
    </message>
    <message>
        <source>File system:</source>
        <translation>ファイル システム:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>容量:</translation>
    </message>
    <message>
        <source>Used space:</source>
        <translation>使用領域:</translation>
    </message>
    <message>
        <source>Free space:</source>
        <translation>空き領域:</translation>
    </message>
    <message>
        <source>Used space</source>
        <translation>使用領域</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 バイト)</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmAbout</name>
    <message>
        <source>Tarnwick icon</source>
        <translation>Tarnwick のアイコン</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>システム情報(&amp;S)...</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>システム情報...</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>The home page could not be opened: %1</source>
        <translation>ホームページを開けませんでした: %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>バージョン %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>現在、システム情報を利用できません</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmExplore</name>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Print staging</source>
        <translation>印刷の準備</translation>
    </message>
    <message>
        <source>Which files the list shows, as patterns</source>
        <translation>一覧に表示するファイル (パターンで指定)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Toolbar strip</source>
        <translation>ツール バー領域</translation>
    </message>
    <message>
        <source>Small toolbar</source>
        <translation>小さいツール バー</translation>
    </message>
    <message>
        <source>Large toolbar</source>
        <translation>大きいツール バー</translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation>分割バー</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation>別のウィンドウを開けませんでした: 「%1」が起動しませんでした。</translation>
    </message>
    <message>
        <source>Go To Folder</source>
        <translation>フォルダーへ移動</translation>
    </message>
    <message>
        <source>Type the name of the path of the folder you want to open</source>
        <translation>開きたいフォルダーのパスを入力してください</translation>
    </message>
    <message>
        <source>Printing Contents of %1</source>
        <translation>%1 の内容を印刷しています</translation>
    </message>
    <message>
        <source>Can not print this window</source>
        <translation>このウィンドウは印刷できません</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation>オプションのページ</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>全般(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>フィルター(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>ファイル(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Display Small Tool Bar</source>
        <translation>小さいツール バーを表示する(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Display Large Tool Bar</source>
        <translation>大きいツール バーを表示する(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Display Status Bar</source>
        <translation>ステータス バーを表示する(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>カスタマイズ(&amp;U)</translation>
    </message>
    <message>
        <source>Custom Filters</source>
        <translation>カスタム フィルター</translation>
    </message>
    <message>
        <source>Custom filter %1</source>
        <translation>カスタム フィルター %1</translation>
    </message>
    <message>
        <source>Allow Files to be Renamed</source>
        <translation>ファイル名の変更を許可する</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>隠しファイルを表示する</translation>
    </message>
    <message>
        <source>Show System Files</source>
        <translation>システム ファイルを表示する</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
</context>
</TS>
