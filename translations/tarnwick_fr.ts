<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Applications</name>
    <message>
        <source>The application “%1” is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no program to start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArchiveVerbs</name>
    <message>
        <source>“%1” cannot be the name of an archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtract Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compre&amp;ss...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Archives</name>
    <message>
        <source>its name leads out of the folder it is unpacked into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, pipe or socket, which is never unpacked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lies behind a link or a file, so it would land elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder of that name is already there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a hard link to something the archive does not hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link that leads nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” needs more space than the disk has free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” unpacks to far more than its own size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds at least %1 in an archive of %2, and the disk has %3 free; it may fill the disk. Retry goes on unpacking it, Skip leaves it packed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was left packed: it unpacks to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was left out: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is encrypted in a way that cannot be unpacked here (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password was wrong, so nothing was unpacked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password was given, so nothing was unpacked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password was wrong, or the archive is damaged (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is damaged, cut short or not an archive (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds nothing to unpack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tar, gzip (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tar, xz (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tar, Zstandard (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7-Zip (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the arguments as items selected in their folder; the items of one folder share its window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the splash screen first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse and manage files: a folder tree beside the folder&apos;s contents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders or files to show, as paths or file:// addresses. A file opens its folder with the file selected, and the files of one folder share its window; each further folder opens in a window of its own.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot be used as a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name “%1” is too long.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileTransfer</name>
    <message>
        <source>“%1” was moved, but the original could not be removed. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was left as it was: nothing can replace itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was left as it was: a folder and a file cannot replace each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not make a link to “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was copied, but the disk did not confirm the copy, so the original was kept. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving to the Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These items could not be restored:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some items were left out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be transferred:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>a folder, modified %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, modified %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply to all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is protected by a password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>There is already a folder named “%1” in “%2”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a file named “%1” in “%2”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arriving: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item you are pasting is a link to “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is the item itself. Keep both makes a copy beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merging puts what both folders hold into one; items of the same name are asked about one by one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying 1 item to “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Copying %n items to “%1”</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Moving 1 item to “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Moving %n items to “%1”</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Making 1 link in “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Making %n links in “%1”</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Unpacking 1 archive in “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Unpacking %n archives in “%1”</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Packing 1 item in “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Packing %n items in “%1”</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Operations are still running. Let them finish before the program ends?

Yes lets them finish first; No cancels them, and what they had begun is cleaned away.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>R&amp;edo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n item(s) were left as they were: the job was cancelled before them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>It is a pipe, socket or device, which cannot be copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy did not match the original, so the original was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No free name was found for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder in it was moved elsewhere meanwhile, so the work stopped there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system cannot change it without following links, which could lead elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free space on the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission was denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is too long for the target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk could not be read or written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be renamed. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new folder could not be made here. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The permissions of “%1” could not be changed. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went, %3 are left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was under way and did not answer Cancel; it may be partly done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Customize Toolbar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Map Network Drive...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disconnect NetworkDrive...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkMounter</name>
    <message>
        <source>Connecting was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnecting was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network drive could not be connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network drive could not be disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This copy of the program cannot work with the desktop&apos;s file services.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network drives need a desktop session, and none is running here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s file services do not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network drives need the desktop&apos;s file services for network locations (the gvfs and gvfs-backends packages), and they are not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not answer within a minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected here: the desktop&apos;s file services for them are not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another network drive is still being connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the address of a shared folder, such as smb://server/share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address contains characters that cannot be part of one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network address. Start it with the kind of connection, such as smb:// or sftp://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected as a network drive. Use smb://, sftp://, ftp:// or dav://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address names no server. Write it as %1://server/folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the password out of the address; you will be asked for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write &quot;?&quot; and &quot;#&quot; in a name as %3F and %23.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperationsWindow</name>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Answer…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer the question of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start %1 now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the operation before it on this disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/s, about %2 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is being done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>it is no longer in the Recycle Bin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no files on the clipboard to paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move “%1” to the Recycle Bin?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move these %1 items to the Recycle Bin?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These items were not moved to the Recycle Bin:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These items cannot be moved to the Recycle Bin:
%1

Delete them for good? They cannot be brought back. This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These items could not be deleted:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanently delete “%1”? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete these %n items? This cannot be undone.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” for good? It cannot be brought back. This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete these %1 items for good? They cannot be brought back. This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something named “%1” is already in “%2”. Restore the item as “%3”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These items could not be restored:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanently delete everything in the Recycle Bin? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a setting needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file would grow beyond %1 KiB, more than it may hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellSources</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartPlaces</name>
    <message>
        <source>An empty argument names no file or folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not on this computer or not connected; connect it with Tools &gt; Map Network Drive first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Contents of &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents of &apos;Desktop&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents of &apos;Control Panel&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents of &apos;Printers&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents of &apos;Recycle Bin&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents of &apos;My Computer&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents of selected namespace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Item Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> %n Items Selected.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Up One Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Network Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect Network Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect Net Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrashStore</name>
    <message>
        <source>“%1” could not be moved to the trash: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot be moved to the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a mounted volume and cannot be moved to the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trash folder “%1” could not be set up: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” holds the trash and cannot be moved into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: too many items of that name are in it already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not moved: its volume has no trash that can be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not in the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no longer in the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not restored: the trash does not say where it came from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” lies outside the volume whose trash holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not restored: the folder “%2” could not be created: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” is on another volume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not restored: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be deleted completely: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>%1: is no longer there, left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: was changed since, left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the place is now taken, left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is no longer in the trash, left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is no longer empty, left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is no longer a link, left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: was deleted for good and cannot be brought back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete from Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of “%2”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation is no longer in the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is being undone or redone elsewhere, or was cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was redone meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was undone meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete for &amp;Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create &amp;Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VolumeMonitor</name>
    <message>
        <source>Network Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD/DVD Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypted Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume is not mounted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume cannot be ejected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive cannot be removed safely from here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume is in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExplore</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::CredentialsDialog</name>
    <message>
        <source>Log In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the last try. Check the user name and the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server asks who you are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::DisconnectNetworkDriveDialog</name>
    <message>
        <source>Disconnect Network Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Network locations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network locations are connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnecting %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be disconnected. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerCombo</name>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerListView</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” could not be read completely: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files cannot be pasted into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renaming in place is turned off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to open for “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerTreeView</name>
    <message>
        <source>Waiting for %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was connected, but its folder %2 does not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be renamed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume of %1 is no longer there, so My Computer is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to “%1” was lost, so My Computer is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have permission to open the folder “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is in use, so it was left mounted. Close the files and programs that use it, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This window has left %1, which was open on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;nmount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;ject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safel&amp;y Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passphrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::FileManagerService</name>
    <message>
        <source>“%1” is neither an address nor an absolute path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No window could be started for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One request opens at most %1 windows; not opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::FileOpener</name>
    <message>
        <source>No application is set to open “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the application to open “%1” with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a program. Run it only if you trust where it came from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a launcher: it starts “%1” with the command %2. Run it only if you trust where it came from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No terminal was found. Set the TERMINAL variable to the one you use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No terminal could be started in “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application is gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other &amp;Application...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open as &amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::FileTransfer</name>
    <message>
        <source>Nothing was chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a full path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” cannot be copied into itself or into a folder inside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” cannot be moved into itself or into a folder inside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is already in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::FindWindow</name>
    <message>
        <source>&amp;Named:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.txt; report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcards * and ?, several patterns separated by &apos;;&apos;. Case is ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Containing text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ind Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the folder to look in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the folder&apos;s full path, starting with “/”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” cannot be searched: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find: All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find: Files named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look in binar&amp;y files too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 item found</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln items found</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::FolderModel</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (link)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::Form1</name>
    <message>
        <source>Print staging</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::FoundItemsModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::HistoryWindow</name>
    <message>
        <source>Cannot be undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::MapNetworkDriveDialog</name>
    <message>
        <source>Map Network Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect a shared folder on another computer, so that you can open it like one of your own folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example:
smb://server/share — a Windows or Samba share
sftp://user@server/folder — a folder reached over SSH
ftp://server/folder — an FTP server
dav://server/folder — a WebDAV folder (davs:// for a secure one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be connected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::NamespaceModel</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenWithDialog</name>
    <message>
        <source>&amp;Always use for this type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::Packer</name>
    <message>
        <source>“%1” could not be made. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not pack “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be read. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was made shorter while being packed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was left out. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be written. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::PropertiesDialog</name>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Various types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Various folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Various</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the owner can change the permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting… %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::StatusBarPanel</name>
    <message>
        <source>Status bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::ToolbarCustomizeDialog</name>
    <message>
        <source>Customize Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add -&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;- &amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;vailable buttons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar buttons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(blank button)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::VolumePropertiesDialog</name>
    <message>
        <source>%1 Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mounted at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding out...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File system:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used space:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free space:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::frmAbout</name>
    <message>
        <source>Tarnwick icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The home page could not be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::frmExplore</name>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print staging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which files the list shows, as patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go To Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the name of the path of the folder you want to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing Contents of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not print this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display Small Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display Large Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom filter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Files to be Renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show System Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
