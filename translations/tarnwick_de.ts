<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Applications</name>
    <message>
        <source>The application “%1” is not installed.</source>
        <translation>Die Anwendung „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>There is no program to start.</source>
        <translation>Es gibt kein Programm zum Starten.</translation>
    </message>
</context>
<context>
    <name>ArchiveVerbs</name>
    <message>
        <source>“%1” cannot be the name of an archive.</source>
        <translation>„%1“ kann nicht der Name eines Archivs sein.</translation>
    </message>
    <message>
        <source>E&amp;xtract Here</source>
        <translation>Hier ent&amp;packen</translation>
    </message>
    <message>
        <source>Compre&amp;ss...</source>
        <translation>Komp&amp;rimieren...</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Compress</source>
        <translation>&amp;Komprimieren</translation>
    </message>
</context>
<context>
    <name>Archives</name>
    <message>
        <source>its name leads out of the folder it is unpacked into.</source>
        <translation>sein Name führt aus dem Zielordner heraus.</translation>
    </message>
    <message>
        <source>it has no name.</source>
        <translation>es hat keinen Namen.</translation>
    </message>
    <message>
        <source>it is a device, pipe or socket, which is never unpacked.</source>
        <translation>es ist ein Gerät, eine Pipe oder ein Socket, und diese werden nie entpackt.</translation>
    </message>
    <message>
        <source>it lies behind a link or a file, so it would land elsewhere.</source>
        <translation>es liegt hinter einer Verknüpfung oder einer Datei und würde daher woanders landen.</translation>
    </message>
    <message>
        <source>a folder of that name is already there.</source>
        <translation>ein Ordner dieses Namens ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>it is a hard link to something the archive does not hold.</source>
        <translation>es ist ein harter Link auf etwas, das nicht im Archiv enthalten ist.</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere.</source>
        <translation>es ist eine Verknüpfung, die ins Leere führt.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>“%1” needs more space than the disk has free.</source>
        <translation>„%1“ braucht mehr Platz, als auf dem Datenträger frei ist.</translation>
    </message>
    <message>
        <source>“%1” unpacks to far more than its own size.</source>
        <translation>„%1“ ist entpackt weit größer als gepackt.</translation>
    </message>
    <message>
        <source>It holds at least %1 in an archive of %2, and the disk has %3 free; it may fill the disk. Retry goes on unpacking it, Skip leaves it packed.</source>
        <translation>Es enthält mindestens %1 in einem Archiv von %2, und auf dem Datenträger sind %3 frei; es könnte den Datenträger füllen. „Wiederholen“ entpackt es weiter, „Überspringen“ lässt es gepackt.</translation>
    </message>
    <message>
        <source>It was left packed: it unpacks to %1.</source>
        <translation>Es blieb gepackt: Entpackt wäre es %1 groß.</translation>
    </message>
    <message>
        <source>“%1” was left out: %2</source>
        <translation>„%1“ wurde ausgelassen: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>„%1“ konnte nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>It is encrypted in a way that cannot be unpacked here (%1).</source>
        <translation>Es ist auf eine Weise verschlüsselt, die hier nicht entpackt werden kann (%1).</translation>
    </message>
    <message>
        <source>The password was wrong, so nothing was unpacked.</source>
        <translation>Das Passwort war falsch, daher wurde nichts entpackt.</translation>
    </message>
    <message>
        <source>No password was given, so nothing was unpacked.</source>
        <translation>Es wurde kein Passwort angegeben, daher wurde nichts entpackt.</translation>
    </message>
    <message>
        <source>The password was wrong, or the archive is damaged (%1).</source>
        <translation>Das Passwort war falsch, oder das Archiv ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>It is damaged, cut short or not an archive (%1).</source>
        <translation>Die Datei ist beschädigt, unvollständig oder kein Archiv (%1).</translation>
    </message>
    <message>
        <source>It holds nothing to unpack.</source>
        <translation>Es enthält nichts zum Entpacken.</translation>
    </message>
    <message>
        <source>Zip (%1)</source>
        <translation>Zip (%1)</translation>
    </message>
    <message>
        <source>Tar, gzip (%1)</source>
        <translation>Tar, gzip (%1)</translation>
    </message>
    <message>
        <source>Tar, xz (%1)</source>
        <translation>Tar, xz (%1)</translation>
    </message>
    <message>
        <source>Tar, Zstandard (%1)</source>
        <translation>Tar, Zstandard (%1)</translation>
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
        <translation>Die Argumente als markierte Elemente in ihrem Ordner zeigen; die Elemente eines Ordners teilen sich dessen Fenster.</translation>
    </message>
    <message>
        <source>Show the splash screen first.</source>
        <translation>Zuerst den Startbildschirm zeigen.</translation>
    </message>
    <message>
        <source>Browse and manage files: a folder tree beside the folder&apos;s contents.</source>
        <translation>Dateien durchsuchen und verwalten: eine Ordnerstruktur neben dem Inhalt des Ordners.</translation>
    </message>
    <message>
        <source>Folders or files to show, as paths or file:// addresses. A file opens its folder with the file selected, and the files of one folder share its window; each further folder opens in a window of its own.</source>
        <translation>Anzuzeigende Ordner oder Dateien, als Pfade oder file://-Adressen. Eine Datei öffnet ihren Ordner mit der Datei markiert, und die Dateien eines Ordners teilen sich dessen Fenster; jeder weitere Ordner öffnet sich in einem eigenen Fenster.</translation>
    </message>
    <message>
        <source>Open the home folder when no path is given (or none can be shown).</source>
        <translation>Den persönlichen Ordner öffnen, wenn kein Pfad angegeben ist (oder keiner angezeigt werden kann).</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Ein Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>“%1” cannot be used as a name.</source>
        <translation>„%1“ kann nicht als Name verwendet werden.</translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation>Ein Name darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>The name “%1” is too long.</source>
        <translation>Der Name „%1“ ist zu lang.</translation>
    </message>
</context>
<context>
    <name>FileTransfer</name>
    <message>
        <source>“%1” was moved, but the original could not be removed. %2</source>
        <translation>„%1“ wurde verschoben, aber das Original konnte nicht entfernt werden. %2</translation>
    </message>
    <message>
        <source>“%1” was left as it was: nothing can replace itself.</source>
        <translation>„%1“ blieb unverändert: Nichts kann sich selbst ersetzen.</translation>
    </message>
    <message>
        <source>“%1” was left as it was: a folder and a file cannot replace each other.</source>
        <translation>„%1“ blieb unverändert: Ein Ordner und eine Datei können einander nicht ersetzen.</translation>
    </message>
    <message>
        <source>Could not copy “%1”.</source>
        <translation>„%1“ konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Could not move “%1”.</source>
        <translation>„%1“ konnte nicht verschoben werden.</translation>
    </message>
    <message>
        <source>Could not make a link to “%1”.</source>
        <translation>Für „%1“ konnte keine Verknüpfung erstellt werden.</translation>
    </message>
    <message>
        <source>“%1” was copied, but the disk did not confirm the copy, so the original was kept. %2</source>
        <translation>„%1“ wurde kopiert, aber der Datenträger hat die Kopie nicht bestätigt, daher wurde das Original behalten. %2</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Making links</source>
        <translation>Verknüpfungen erstellen</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Making a folder</source>
        <translation>Ordner erstellen</translation>
    </message>
    <message>
        <source>Moving to the Recycle Bin</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Changing permissions</source>
        <translation>Berechtigungen ändern</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>Packen</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Diese Elemente konnten nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>These items could not be restored:</source>
        <translation>Diese Elemente konnten nicht wiederhergestellt werden:</translation>
    </message>
    <message>
        <source>Some items were left out:</source>
        <translation>Einige Elemente wurden ausgelassen:</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>Einige Änderungen konnten nicht vorgenommen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be transferred:</source>
        <translation>
            <numerusform>%n Element konnte nicht übertragen werden:</numerusform>
            <numerusform>%n Elemente konnten nicht übertragen werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder, modified %1</source>
        <translation>ein Ordner, geändert am %1</translation>
    </message>
    <message>
        <source>%1, modified %2</source>
        <translation>%1, geändert am %2</translation>
    </message>
    <message>
        <source>&amp;Apply to all</source>
        <translation>Für &amp;alle übernehmen</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Ü&amp;berspringen</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>Beide be&amp;halten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>Das Passwort war falsch.</translation>
    </message>
    <message>
        <source>“%1” is protected by a password:</source>
        <translation>„%1“ ist durch ein Passwort geschützt:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>und %n weiteres.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is already a folder named “%1” in “%2”.</source>
        <translation>In „%2“ gibt es bereits einen Ordner namens „%1“.</translation>
    </message>
    <message>
        <source>There is already a file named “%1” in “%2”.</source>
        <translation>In „%2“ gibt es bereits eine Datei namens „%1“.</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation>Vorhanden: %1</translation>
    </message>
    <message>
        <source>Arriving: %1</source>
        <translation>Neu: %1</translation>
    </message>
    <message>
        <source>The item you are pasting is a link to “%1”.</source>
        <translation>Das eingefügte Element ist eine Verknüpfung mit „%1“.</translation>
    </message>
    <message>
        <source>It is the item itself. Keep both makes a copy beside it.</source>
        <translation>Es ist das Element selbst. „Beide behalten“ legt eine Kopie daneben an.</translation>
    </message>
    <message>
        <source>Merging puts what both folders hold into one; items of the same name are asked about one by one.</source>
        <translation>Beim Zusammenführen kommt der Inhalt beider Ordner in einen; bei gleichnamigen Elementen wird einzeln nachgefragt.</translation>
    </message>
    <message>
        <source>Copying 1 item to “%1”</source>
        <translation>1 Element wird nach „%1“ kopiert</translation>
    </message>
    <message numerus="yes">
        <source>Copying %n items to “%1”</source>
        <translation>
            <numerusform>%n Element wird nach „%1“ kopiert</numerusform>
            <numerusform>%n Elemente werden nach „%1“ kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving 1 item to “%1”</source>
        <translation>1 Element wird nach „%1“ verschoben</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n items to “%1”</source>
        <translation>
            <numerusform>%n Element wird nach „%1“ verschoben</numerusform>
            <numerusform>%n Elemente werden nach „%1“ verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>Making 1 link in “%1”</source>
        <translation>1 Verknüpfung wird in „%1“ erstellt</translation>
    </message>
    <message numerus="yes">
        <source>Making %n links in “%1”</source>
        <translation>
            <numerusform>%n Verknüpfung wird in „%1“ erstellt</numerusform>
            <numerusform>%n Verknüpfungen werden in „%1“ erstellt</numerusform>
        </translation>
    </message>
    <message>
        <source>Unpacking 1 archive in “%1”</source>
        <translation>1 Archiv wird in „%1“ entpackt</translation>
    </message>
    <message numerus="yes">
        <source>Unpacking %n archives in “%1”</source>
        <translation>
            <numerusform>%n Archiv wird in „%1“ entpackt</numerusform>
            <numerusform>%n Archive werden in „%1“ entpackt</numerusform>
        </translation>
    </message>
    <message>
        <source>Packing 1 item in “%1”</source>
        <translation>1 Element wird in „%1“ gepackt</translation>
    </message>
    <message numerus="yes">
        <source>Packing %n items in “%1”</source>
        <translation>
            <numerusform>%n Element wird in „%1“ gepackt</numerusform>
            <numerusform>%n Elemente werden in „%1“ gepackt</numerusform>
        </translation>
    </message>
    <message>
        <source>Operations are still running. Let them finish before the program ends?

Yes lets them finish first; No cancels them, and what they had begun is cleaned away.</source>
        <translation>Es laufen noch Vorgänge. Sollen sie abgeschlossen werden, bevor das Programm beendet wird?

„Ja“ lässt sie zuerst fertig laufen; „Nein“ bricht sie ab und räumt auf, was sie begonnen hatten.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>R&amp;edo</source>
        <translation>Wiederh&amp;olen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Es gibt nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n item(s) were left as they were: the job was cancelled before them.</source>
        <translation>
            <numerusform>%n Element blieb unverändert: Der Vorgang wurde vorher abgebrochen.</numerusform>
            <numerusform>%n Elemente blieben unverändert: Der Vorgang wurde vorher abgebrochen.</numerusform>
        </translation>
    </message>
    <message>
        <source>It is a pipe, socket or device, which cannot be copied.</source>
        <translation>Es ist eine Pipe, ein Socket oder ein Gerät und kann nicht kopiert werden.</translation>
    </message>
    <message>
        <source>The copy did not match the original, so the original was kept.</source>
        <translation>Die Kopie stimmte nicht mit dem Original überein, daher wurde das Original behalten.</translation>
    </message>
    <message>
        <source>No free name was found for it.</source>
        <translation>Es wurde kein freier Name dafür gefunden.</translation>
    </message>
    <message>
        <source>A folder in it was moved elsewhere meanwhile, so the work stopped there.</source>
        <translation>Ein Ordner darin wurde inzwischen woandershin verschoben, daher endete die Arbeit dort.</translation>
    </message>
    <message>
        <source>The system cannot change it without following links, which could lead elsewhere.</source>
        <translation>Das System kann es nicht ändern, ohne Verknüpfungen zu folgen, die woandershin führen könnten.</translation>
    </message>
    <message>
        <source>It no longer exists.</source>
        <translation>Es existiert nicht mehr.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk.</source>
        <translation>Auf dem Datenträger ist nicht genügend Speicherplatz frei.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>Das Speicherkontingent ist ausgeschöpft.</translation>
    </message>
    <message>
        <source>Permission was denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The name is too long for the target.</source>
        <translation>Der Name ist für das Ziel zu lang.</translation>
    </message>
    <message>
        <source>The disk could not be read or written.</source>
        <translation>Der Datenträger konnte nicht gelesen oder beschrieben werden.</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>In diesem Ordner gibt es bereits ein Element namens „%1“.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>„%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The folder “%1” is no longer there.</source>
        <translation>Der Ordner „%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>“%1” is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>“%1” could not be renamed. %2</source>
        <translation>„%1“ konnte nicht umbenannt werden. %2</translation>
    </message>
    <message>
        <source>A new folder could not be made here. %1</source>
        <translation>Hier konnte kein neuer Ordner erstellt werden. %1</translation>
    </message>
    <message>
        <source>The permissions of “%1” could not be changed. %2</source>
        <translation>Die Berechtigungen von „%1“ konnten nicht geändert werden. %2</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went.</source>
        <translation>„%1“ wurde vor dem Abbrechen teilweise gelöscht: %2 Elemente darin wurden entfernt.</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went, %3 are left.</source>
        <translation>„%1“ wurde vor dem Abbrechen teilweise gelöscht: %2 Elemente darin wurden entfernt, %3 sind noch vorhanden.</translation>
    </message>
    <message>
        <source>“%1” was under way and did not answer Cancel; it may be partly done.</source>
        <translation>„%1“ lief bereits und reagierte nicht auf „Abbrechen“; es ist möglicherweise teilweise ausgeführt.</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Systemsteuerung</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>&amp;Erkunden</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>&amp;Verknüpfung erstellen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>E&amp;igenschaften</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>Markierung &amp;umkehren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Customize Toolbar...</source>
        <translation>Symbolleiste &amp;anpassen...</translation>
    </message>
    <message>
        <source>&amp;Map Network Drive...</source>
        <translation>&amp;Netzlaufwerk verbinden...</translation>
    </message>
    <message>
        <source>&amp;Disconnect NetworkDrive...</source>
        <translation>Netzlaufwerk &amp;trennen...</translation>
    </message>
    <message>
        <source>&amp;Go to...</source>
        <translation>&amp;Gehe zu...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Operation &amp;History...</source>
        <translation>Vorgangs&amp;verlauf...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
</context>
<context>
    <name>NetworkMounter</name>
    <message>
        <source>Connecting was cancelled.</source>
        <translation>Das Verbinden wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Disconnecting was cancelled.</source>
        <translation>Das Trennen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The network drive could not be connected.</source>
        <translation>Das Netzlaufwerk konnte nicht verbunden werden.</translation>
    </message>
    <message>
        <source>The network drive could not be disconnected.</source>
        <translation>Das Netzlaufwerk konnte nicht getrennt werden.</translation>
    </message>
    <message>
        <source>This copy of the program cannot work with the desktop&apos;s file services.</source>
        <translation>Diese Programmversion kann nicht mit den Dateidiensten der Arbeitsumgebung zusammenarbeiten.</translation>
    </message>
    <message>
        <source>Network drives need a desktop session, and none is running here.</source>
        <translation>Netzlaufwerke benötigen eine Desktop-Sitzung, und hier läuft keine.</translation>
    </message>
    <message>
        <source>The desktop&apos;s file services do not answer.</source>
        <translation>Die Dateidienste der Arbeitsumgebung antworten nicht.</translation>
    </message>
    <message>
        <source>Network drives need the desktop&apos;s file services for network locations (the gvfs and gvfs-backends packages), and they are not installed.</source>
        <translation>Netzlaufwerke benötigen die Dateidienste der Arbeitsumgebung für Netzwerkorte (die Pakete gvfs und gvfs-backends), und diese sind nicht installiert.</translation>
    </message>
    <message>
        <source>The server did not answer within a minute.</source>
        <translation>Der Server hat nicht innerhalb einer Minute geantwortet.</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected here: the desktop&apos;s file services for them are not installed.</source>
        <translation>%1://-Adressen können hier nicht verbunden werden: Die Dateidienste der Arbeitsumgebung dafür sind nicht installiert.</translation>
    </message>
    <message>
        <source>Another network drive is still being connected.</source>
        <translation>Ein anderes Netzlaufwerk wird noch verbunden.</translation>
    </message>
    <message>
        <source>%1 is not connected.</source>
        <translation>%1 ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Type the address of a shared folder, such as smb://server/share.</source>
        <translation>Geben Sie die Adresse eines freigegebenen Ordners ein, etwa smb://server/freigabe.</translation>
    </message>
    <message>
        <source>The address contains characters that cannot be part of one.</source>
        <translation>Die Adresse enthält Zeichen, die in einer Adresse nicht vorkommen dürfen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network address. Start it with the kind of connection, such as smb:// or sftp://.</source>
        <translation>„%1“ ist keine Netzwerkadresse. Beginnen Sie sie mit der Art der Verbindung, etwa smb:// oder sftp://.</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected as a network drive. Use smb://, sftp://, ftp:// or dav://.</source>
        <translation>%1://-Adressen können nicht als Netzlaufwerk verbunden werden. Verwenden Sie smb://, sftp://, ftp:// oder dav://.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>„%1“ ist keine gültige Adresse.</translation>
    </message>
    <message>
        <source>The address names no server. Write it as %1://server/folder.</source>
        <translation>Die Adresse nennt keinen Server. Schreiben Sie sie als %1://server/ordner.</translation>
    </message>
    <message>
        <source>Leave the password out of the address; you will be asked for it.</source>
        <translation>Lassen Sie das Passwort in der Adresse weg; Sie werden danach gefragt.</translation>
    </message>
    <message>
        <source>Write &quot;?&quot; and &quot;#&quot; in a name as %3F and %23.</source>
        <translation>Schreiben Sie „?“ und „#“ in einem Namen als %3F und %23.</translation>
    </message>
</context>
<context>
    <name>OperationsWindow</name>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Answer…</source>
        <translation>&amp;Antworten…</translation>
    </message>
    <message>
        <source>Answer the question of %1</source>
        <translation>Die Frage von %1 beantworten</translation>
    </message>
    <message>
        <source>Start &amp;Now</source>
        <translation>&amp;Jetzt starten</translation>
    </message>
    <message>
        <source>Start %1 now</source>
        <translation>%1 jetzt starten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Pause %1</source>
        <translation>%1 anhalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <translation>%1 abbrechen</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Resume %1</source>
        <translation>%1 fortsetzen</translation>
    </message>
    <message>
        <source>Waiting for the operation before it on this disk</source>
        <translation>Wartet auf den vorherigen Vorgang auf diesem Datenträger</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 von %2 Elementen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1/s, about %2 left</source>
        <translation>%1/s, noch etwa %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Vorgänge</translation>
    </message>
    <message>
        <source>Nothing is being done.</source>
        <translation>Keine laufenden Vorgänge.</translation>
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
        <translation>es ist nicht mehr im Papierkorb.</translation>
    </message>
    <message>
        <source>There are no files on the clipboard to paste.</source>
        <translation>In der Zwischenablage sind keine Dateien zum Einfügen.</translation>
    </message>
    <message>
        <source>Move “%1” to the Recycle Bin?</source>
        <translation>„%1“ in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Move these %1 items to the Recycle Bin?</source>
        <translation>Diese %1 Elemente in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>These items were not moved to the Recycle Bin:
%1</source>
        <translation>Diese Elemente wurden nicht in den Papierkorb verschoben:
%1</translation>
    </message>
    <message>
        <source>These items cannot be moved to the Recycle Bin:
%1

Delete them for good? They cannot be brought back. This cannot be undone.</source>
        <translation>Diese Elemente können nicht in den Papierkorb verschoben werden:
%1

Endgültig löschen? Sie können nicht wiederhergestellt werden. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>These items could not be deleted:
%1</source>
        <translation>Diese Elemente konnten nicht gelöscht werden:
%1</translation>
    </message>
    <message>
        <source>Permanently delete “%1”? This cannot be undone.</source>
        <translation>„%1“ endgültig löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete these %n items? This cannot be undone.</source>
        <translation>
            <numerusform>%n Element endgültig löschen? Dies kann nicht rückgängig gemacht werden.</numerusform>
            <numerusform>Diese %n Elemente endgültig löschen? Dies kann nicht rückgängig gemacht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” for good? It cannot be brought back. This cannot be undone.</source>
        <translation>„%1“ endgültig löschen? Es kann nicht wiederhergestellt werden. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Delete these %1 items for good? They cannot be brought back. This cannot be undone.</source>
        <translation>Diese %1 Elemente endgültig löschen? Sie können nicht wiederhergestellt werden. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Something named “%1” is already in “%2”. Restore the item as “%3”?</source>
        <translation>In „%2“ gibt es bereits etwas namens „%1“. Das Element als „%3“ wiederherstellen?</translation>
    </message>
    <message>
        <source>These items could not be restored:
%1</source>
        <translation>Diese Elemente konnten nicht wiederhergestellt werden:
%1</translation>
    </message>
    <message>
        <source>Permanently delete everything in the Recycle Bin? This cannot be undone.</source>
        <translation>Alles im Papierkorb endgültig löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>a setting needs a name</source>
        <translation>eine Einstellung braucht einen Namen</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>the file would grow beyond %1 KiB, more than it may hold</source>
        <translation>die Datei würde größer als %1 KiB, mehr als sie fassen darf</translation>
    </message>
</context>
<context>
    <name>ShellSources</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation>Systemordner</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Lokaler Datenträger</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation>Netzlaufwerk</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation>Lokaler Datenträger (%1)</translation>
    </message>
</context>
<context>
    <name>StartPlaces</name>
    <message>
        <source>An empty argument names no file or folder.</source>
        <translation>Ein leeres Argument nennt keine Datei und keinen Ordner.</translation>
    </message>
    <message>
        <source>“%1” is not on this computer or not connected; connect it with Tools &gt; Map Network Drive first.</source>
        <translation>„%1“ ist nicht auf diesem Computer oder nicht verbunden; verbinden Sie es zuerst mit Extras &gt; Netzlaufwerk verbinden.</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <translation>„%1“: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Contents of &apos;%1&apos;</source>
        <translation>Inhalt von „%1“</translation>
    </message>
    <message>
        <source>Contents of &apos;Desktop&apos;</source>
        <translation>Inhalt von „Desktop“</translation>
    </message>
    <message>
        <source>Contents of &apos;Control Panel&apos;</source>
        <translation>Inhalt von „Systemsteuerung“</translation>
    </message>
    <message>
        <source>Contents of &apos;Printers&apos;</source>
        <translation>Inhalt von „Drucker“</translation>
    </message>
    <message>
        <source>Contents of &apos;Recycle Bin&apos;</source>
        <translation>Inhalt von „Papierkorb“</translation>
    </message>
    <message>
        <source>Contents of &apos;My Computer&apos;</source>
        <translation>Inhalt von „Arbeitsplatz“</translation>
    </message>
    <message>
        <source>Contents of selected namespace</source>
        <translation>Inhalt des gewählten Bereichs</translation>
    </message>
    <message>
        <source>1 Item Selected</source>
        <translation>1 Element markiert</translation>
    </message>
    <message numerus="yes">
        <source> %n Items Selected.</source>
        <translation>
            <numerusform> %n Element markiert.</numerusform>
            <numerusform> %n Elemente markiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Up One Level</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <source>Map Network Drive</source>
        <translation>Netzlaufwerk verbinden</translation>
    </message>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>Netzlaufwerk trennen</translation>
    </message>
    <message>
        <source>Disconnect Net Drive</source>
        <translation>Laufwerk trennen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>TrashStore</name>
    <message>
        <source>“%1” could not be moved to the trash: %2.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be moved to the trash.</source>
        <translation>„%1“ kann nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>“%1” is a mounted volume and cannot be moved to the trash.</source>
        <translation>„%1“ ist ein eingehängter Datenträger und kann nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>The trash folder “%1” could not be set up: %2.</source>
        <translation>Der Papierkorbordner „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>“%1” holds the trash and cannot be moved into it.</source>
        <translation>„%1“ enthält den Papierkorb und kann nicht hineinverschoben werden.</translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation>„%1“ ist bereits im Papierkorb.</translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: too many items of that name are in it already.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: Dort sind bereits zu viele Elemente dieses Namens.</translation>
    </message>
    <message>
        <source>“%1” was not moved: its volume has no trash that can be used.</source>
        <translation>„%1“ wurde nicht verschoben: Sein Datenträger hat keinen nutzbaren Papierkorb.</translation>
    </message>
    <message>
        <source>“%1” is not in the trash.</source>
        <translation>„%1“ ist nicht im Papierkorb.</translation>
    </message>
    <message>
        <source>“%1” is no longer in the trash.</source>
        <translation>„%1“ ist nicht mehr im Papierkorb.</translation>
    </message>
    <message>
        <source>“%1” was not restored: the trash does not say where it came from.</source>
        <translation>„%1“ wurde nicht wiederhergestellt: Der Papierkorb verzeichnet nicht, woher es stammt.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” already exists.</source>
        <translation>„%1“ wurde nicht wiederhergestellt: „%2“ existiert bereits.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” lies outside the volume whose trash holds it.</source>
        <translation>„%1“ wurde nicht wiederhergestellt: „%2“ liegt außerhalb des Datenträgers, dessen Papierkorb es enthält.</translation>
    </message>
    <message>
        <source>“%1” was not restored: the folder “%2” could not be created: %3.</source>
        <translation>„%1“ wurde nicht wiederhergestellt: Der Ordner „%2“ konnte nicht erstellt werden: %3.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” is on another volume.</source>
        <translation>„%1“ wurde nicht wiederhergestellt: „%2“ liegt auf einem anderen Datenträger.</translation>
    </message>
    <message>
        <source>“%1” was not restored: %2.</source>
        <translation>„%1“ wurde nicht wiederhergestellt: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be deleted completely: %2</source>
        <translation>„%1“ konnte nicht vollständig gelöscht werden: %2</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>%1: is no longer there, left alone</source>
        <translation>%1: ist nicht mehr vorhanden, unverändert gelassen</translation>
    </message>
    <message>
        <source>%1: was changed since, left alone</source>
        <translation>%1: wurde seitdem geändert, unverändert gelassen</translation>
    </message>
    <message>
        <source>%1: the place is now taken, left alone</source>
        <translation>%1: der Platz ist inzwischen belegt, unverändert gelassen</translation>
    </message>
    <message>
        <source>%1: is no longer in the trash, left alone</source>
        <translation>%1: ist nicht mehr im Papierkorb, unverändert gelassen</translation>
    </message>
    <message>
        <source>%1: is no longer empty, left alone</source>
        <translation>%1: ist nicht mehr leer, unverändert gelassen</translation>
    </message>
    <message>
        <source>%1: is no longer a link, left alone</source>
        <translation>%1: ist keine Verknüpfung mehr, unverändert gelassen</translation>
    </message>
    <message>
        <source>%1: was deleted for good and cannot be brought back</source>
        <translation>%1: wurde endgültig gelöscht und kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verknüpfen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>In den Papierkorb</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete from Recycle Bin</source>
        <translation>Aus dem Papierkorb löschen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Permissions Change</source>
        <translation>Berechtigungen ändern</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Entpacken</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>%1 of “%2”</source>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <source>%1 of %2 Items</source>
        <translation>%1 (%2 Elemente)</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>Wiederh&amp;olen: %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>“%1” cannot be undone.</source>
        <translation>%1 kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The operation is no longer in the history.</source>
        <translation>Der Vorgang ist nicht mehr im Verlauf.</translation>
    </message>
    <message>
        <source>“%1” is being undone or redone elsewhere, or was cut short.</source>
        <translation>%1 wird gerade an anderer Stelle rückgängig gemacht oder wiederholt, oder wurde abgebrochen.</translation>
    </message>
    <message>
        <source>“%1” was redone meanwhile.</source>
        <translation>%1 wurde inzwischen wiederholt.</translation>
    </message>
    <message>
        <source>“%1” was undone meanwhile.</source>
        <translation>%1 wurde inzwischen rückgängig gemacht.</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Delete for &amp;Good</source>
        <translation>&amp;Endgültig löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Create &amp;Link</source>
        <translation>&amp;Verknüpfung erstellen</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>E&amp;igenschaften</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>New &amp;Folder</source>
        <translation>&amp;Neuer Ordner</translation>
    </message>
</context>
<context>
    <name>VolumeMonitor</name>
    <message>
        <source>Network Share</source>
        <translation>Netzwerkfreigabe</translation>
    </message>
    <message>
        <source>CD/DVD Drive</source>
        <translation>CD-/DVD-Laufwerk</translation>
    </message>
    <message>
        <source>Encrypted Volume</source>
        <translation>Verschlüsselter Datenträger</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>Wechseldatenträger</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Lokaler Datenträger</translation>
    </message>
    <message>
        <source>The volume is no longer there.</source>
        <translation>Der Datenträger ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The volume is not mounted.</source>
        <translation>Der Datenträger ist nicht eingehängt.</translation>
    </message>
    <message>
        <source>The volume cannot be ejected.</source>
        <translation>Der Datenträger kann nicht ausgeworfen werden.</translation>
    </message>
    <message>
        <source>The drive cannot be removed safely from here.</source>
        <translation>Das Laufwerk kann von hier aus nicht sicher entfernt werden.</translation>
    </message>
    <message>
        <source>The volume is in use.</source>
        <translation>Der Datenträger wird verwendet.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Der Vorgang ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>Gesamtgröße</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation type="vanished">Lokaler Datenträger</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation type="vanished">Netzlaufwerk</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation type="vanished">Lokaler Datenträger (%1)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Original Location</source>
        <translation>Ursprünglicher Ort</translation>
    </message>
    <message>
        <source>Date Deleted</source>
        <translation>Gelöscht am</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (Standard)</translation>
    </message>
</context>
<context>
    <name>frmExplore</name>
    <message>
        <source>Back</source>
        <translation type="vanished">Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="vanished">Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="vanished">Persönlicher Ordner</translation>
    </message>
</context>
<context>
    <name>tarnwick::CredentialsDialog</name>
    <message>
        <source>Log In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>The server refused the last try. Check the user name and the password.</source>
        <translation>Der Server hat den letzten Versuch abgewiesen. Prüfen Sie Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The server asks who you are.</source>
        <translation>Der Server fragt, wer Sie sind.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domäne</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>&amp;Domäne:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>Passwort &amp;merken</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>&amp;Log In</source>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tarnwick::DataSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln Byte</numerusform>
            <numerusform>%Ln Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::DisconnectNetworkDriveDialog</name>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>Netzlaufwerk trennen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Network locations:</source>
        <translation>&amp;Netzwerkorte:</translation>
    </message>
    <message>
        <source>Network locations</source>
        <translation>Netzwerkorte</translation>
    </message>
    <message>
        <source>No network locations are connected.</source>
        <translation>Es sind keine Netzwerkorte verbunden.</translation>
    </message>
    <message>
        <source>No network locations</source>
        <translation>Keine Netzwerkorte</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Disconnecting %1…</source>
        <translation>%1 wird getrennt…</translation>
    </message>
    <message>
        <source>%1 could not be disconnected. %2</source>
        <translation>%1 konnte nicht getrennt werden. %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerCombo</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerListView</name>
    <message>
        <source>Waiting</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>The folder “%1” could not be read completely: %2.</source>
        <translation>Der Ordner „%1“ konnte nicht vollständig gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Files cannot be pasted into %1.</source>
        <translation>In %1 können keine Dateien eingefügt werden.</translation>
    </message>
    <message>
        <source>Renaming in place is turned off.</source>
        <translation>Das direkte Umbenennen ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Öffnen &amp;mit</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>&amp;Terminal hier öffnen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>“%1” could not be started.</source>
        <translation>„%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>There is nothing to open for “%1”.</source>
        <translation>Für „%1“ gibt es nichts zu öffnen.</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>&amp;Papierkorb leeren</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerTreeView</name>
    <message>
        <source>Waiting for %1...</source>
        <translation>Warten auf %1...</translation>
    </message>
    <message>
        <source>%1 was connected, but its folder %2 does not answer.</source>
        <translation>%1 wurde verbunden, aber sein Ordner %2 antwortet nicht.</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be deleted.</source>
        <translation>„%1“ ist ein ganzer Datenträger und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be renamed here.</source>
        <translation>„%1“ ist ein ganzer Datenträger und kann hier nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>&amp;Terminal hier öffnen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The volume of %1 is no longer there, so My Computer is shown.</source>
        <translation>Der Datenträger von %1 ist nicht mehr vorhanden, daher wird der Arbeitsplatz angezeigt.</translation>
    </message>
    <message>
        <source>The connection to “%1” was lost, so My Computer is shown.</source>
        <translation>Die Verbindung zu „%1“ ist abgebrochen, daher wird der Arbeitsplatz angezeigt.</translation>
    </message>
    <message>
        <source>You do not have permission to open the folder “%1”.</source>
        <translation>Sie haben keine Berechtigung, den Ordner „%1“ zu öffnen.</translation>
    </message>
    <message>
        <source>“%1” is in use, so it was left mounted. Close the files and programs that use it, then try again.</source>
        <translation>„%1“ wird verwendet und bleibt daher eingehängt. Schließen Sie die Dateien und Programme, die es verwenden, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This window has left %1, which was open on it.</source>
        <translation>Dieses Fenster hat %1 verlassen, das darin geöffnet war.</translation>
    </message>
    <message>
        <source>U&amp;nmount</source>
        <translation>Aus&amp;hängen</translation>
    </message>
    <message>
        <source>E&amp;ject</source>
        <translation>Aus&amp;werfen</translation>
    </message>
    <message>
        <source>Safel&amp;y Remove</source>
        <translation>Si&amp;cher entfernen</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>E&amp;igenschaften</translation>
    </message>
    <message>
        <source>Unlock Volume</source>
        <translation>Datenträger entsperren</translation>
    </message>
    <message>
        <source>Passphrase:</source>
        <translation>Passphrase:</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>&amp;Papierkorb leeren</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileManagerService</name>
    <message>
        <source>“%1” is neither an address nor an absolute path.</source>
        <translation>„%1“ ist weder eine Adresse noch ein absoluter Pfad.</translation>
    </message>
    <message>
        <source>No window could be started for %1.</source>
        <translation>Für %1 konnte kein Fenster geöffnet werden.</translation>
    </message>
    <message>
        <source>One request opens at most %1 windows; not opened: %2.</source>
        <translation>Eine Anfrage öffnet höchstens %1 Fenster; nicht geöffnet: %2.</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileOpener</name>
    <message>
        <source>No application is set to open “%1”.</source>
        <translation>Für „%1“ ist keine Anwendung zum Öffnen festgelegt.</translation>
    </message>
    <message>
        <source>Choose the application to open “%1” with.</source>
        <translation>Wählen Sie die Anwendung, mit der „%1“ geöffnet werden soll.</translation>
    </message>
    <message>
        <source>“%1” could not be opened: %2</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Run “%1”?</source>
        <translation>„%1“ ausführen?</translation>
    </message>
    <message>
        <source>It is a program. Run it only if you trust where it came from.</source>
        <translation>Es ist ein Programm. Führen Sie es nur aus, wenn Sie seiner Herkunft vertrauen.</translation>
    </message>
    <message>
        <source>It is a launcher: it starts “%1” with the command %2. Run it only if you trust where it came from.</source>
        <translation>Es ist ein Starter: Er startet „%1“ mit dem Befehl %2. Führen Sie ihn nur aus, wenn Sie seiner Herkunft vertrauen.</translation>
    </message>
    <message>
        <source>No terminal was found. Set the TERMINAL variable to the one you use.</source>
        <translation>Es wurde kein Terminal gefunden. Setzen Sie die Variable TERMINAL auf das Terminal, das Sie verwenden.</translation>
    </message>
    <message>
        <source>No terminal could be started in “%1”: %2</source>
        <translation>In „%1“ konnte kein Terminal gestartet werden: %2</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>Es kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The application is gone.</source>
        <translation>Die Anwendung ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Other &amp;Application...</source>
        <translation>&amp;Andere Anwendung...</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ausführen</translation>
    </message>
    <message>
        <source>Open as &amp;Text</source>
        <translation>Als &amp;Text öffnen</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileTransfer</name>
    <message>
        <source>Nothing was chosen.</source>
        <translation>Es wurde nichts ausgewählt.</translation>
    </message>
    <message>
        <source>“%1” is not a full path.</source>
        <translation>„%1“ ist kein vollständiger Pfad.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be opened: %2.</source>
        <translation>Der Ordner „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>„%1“ existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be copied into itself or into a folder inside it.</source>
        <translation>Der Ordner „%1“ kann nicht in sich selbst oder in einen seiner Unterordner kopiert werden.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be moved into itself or into a folder inside it.</source>
        <translation>Der Ordner „%1“ kann nicht in sich selbst oder in einen seiner Unterordner verschoben werden.</translation>
    </message>
    <message>
        <source>“%1” is already in this folder.</source>
        <translation>„%1“ ist bereits in diesem Ordner.</translation>
    </message>
</context>
<context>
    <name>tarnwick::FindWindow</name>
    <message>
        <source>&amp;Named:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Named</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>*.txt; report</source>
        <translation>*.txt; bericht</translation>
    </message>
    <message>
        <source>Wildcards * and ?, several patterns separated by &apos;;&apos;. Case is ignored.</source>
        <translation>Platzhalter * und ?, mehrere Muster durch „;“ getrennt. Groß-/Kleinschreibung wird ignoriert.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Enthaltener &amp;Text:</translation>
    </message>
    <message>
        <source>Containing text</source>
        <translation>Enthaltener Text</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Suchen in</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>Suchen &amp;in:</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>&amp;Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>F&amp;ind Now</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Type the folder to look in.</source>
        <translation>Geben Sie den zu durchsuchenden Ordner ein.</translation>
    </message>
    <message>
        <source>Type the folder&apos;s full path, starting with “/”.</source>
        <translation>Geben Sie den vollständigen Pfad des Ordners ein, beginnend mit „/“.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be searched: %2.</source>
        <translation>Der Ordner „%1“ kann nicht durchsucht werden: %2.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>Look In</source>
        <translation>Suchen in</translation>
    </message>
    <message>
        <source>Find: All Files</source>
        <translation>Suchen: Alle Dateien</translation>
    </message>
    <message>
        <source>Find: Files named %1</source>
        <translation>Suchen: Dateien namens %1</translation>
    </message>
    <message>
        <source>Look in binar&amp;y files too</source>
        <translation>Auch &amp;Binärdateien durchsuchen</translation>
    </message>
    <message>
        <source>1 item found</source>
        <translation>1 Element gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items found</source>
        <translation>
            <numerusform>%Ln Element gefunden</numerusform>
            <numerusform>%Ln Elemente gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 Ordner konnte nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln Ordner konnte nicht gelesen werden</numerusform>
            <numerusform>%Ln Ordner konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation>&amp;Enthaltenden Ordner öffnen</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation type="vanished">Ein weiteres Fenster konnte nicht geöffnet werden: „%1“ ist nicht gestartet.</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start. %2</source>
        <translation>Ein weiteres Fenster konnte nicht geöffnet werden: „%1“ ist nicht gestartet. %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::FolderModel</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>Broken link</source>
        <translation>Defekte Verknüpfung</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>Spezialdatei</translation>
    </message>
    <message>
        <source>%1 (link)</source>
        <translation>%1 (Verknüpfung)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>tarnwick::Form1</name>
    <message>
        <source>Print staging</source>
        <translation>Druckvorbereitung</translation>
    </message>
</context>
<context>
    <name>tarnwick::FoundItemsModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation>In Ordner</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>tarnwick::HistoryWindow</name>
    <message>
        <source>Cannot be undone</source>
        <translation>Nicht rückgängig zu machen</translation>
    </message>
    <message>
        <source>Under way</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Rückgängig gemacht</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ausgeführt</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Operation History</source>
        <translation>Vorgangsverlauf</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Vorgänge</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tarnwick::MapNetworkDriveDialog</name>
    <message>
        <source>Map Network Drive</source>
        <translation>Netzlaufwerk verbinden</translation>
    </message>
    <message>
        <source>Connect a shared folder on another computer, so that you can open it like one of your own folders.</source>
        <translation>Verbinden Sie einen freigegebenen Ordner auf einem anderen Computer, damit Sie ihn wie einen eigenen Ordner öffnen können.</translation>
    </message>
    <message>
        <source>About this dialog</source>
        <translation>Über diesen Dialog</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>For example:
smb://server/share — a Windows or Samba share
sftp://user@server/folder — a folder reached over SSH
ftp://server/folder — an FTP server
dav://server/folder — a WebDAV folder (davs:// for a secure one)</source>
        <translation>Zum Beispiel:
smb://server/freigabe – eine Windows- oder Samba-Freigabe
sftp://benutzer@server/ordner – ein Ordner, erreichbar über SSH
ftp://server/ordner – ein FTP-Server
dav://server/ordner – ein WebDAV-Ordner (davs:// für einen gesicherten)</translation>
    </message>
    <message>
        <source>Address forms</source>
        <translation>Adressformen</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbindung mit %1 wird hergestellt…</translation>
    </message>
    <message>
        <source>%1 could not be connected.</source>
        <translation>%1 konnte nicht verbunden werden.</translation>
    </message>
</context>
<context>
    <name>tarnwick::NamespaceModel</name>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenWithDialog</name>
    <message>
        <source>&amp;Always use for this type</source>
        <translation>&amp;Immer für diesen Typ verwenden</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
</context>
<context>
    <name>tarnwick::Packer</name>
    <message>
        <source>“%1” could not be made. %2</source>
        <translation>„%1“ konnte nicht erstellt werden. %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>„%1“ konnte nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Could not pack “%1”.</source>
        <translation>„%1“ konnte nicht gepackt werden.</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2</source>
        <translation>„%1“ konnte nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>It was made shorter while being packed.</source>
        <translation>Es wurde während des Packens gekürzt.</translation>
    </message>
    <message>
        <source>“%1” was left out. %2</source>
        <translation>„%1“ wurde ausgelassen. %2</translation>
    </message>
    <message>
        <source>It could not be written. %1</source>
        <translation>Es konnte nicht geschrieben werden. %1</translation>
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
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>Verknüpfung mit %1</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>Spezialdatei</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Various types</source>
        <translation>Verschiedene Typen</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Elemente</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Various folders</source>
        <translation>Verschiedene Ordner</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Erstellt:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Letzter Zugriff:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Besitzer:</translation>
    </message>
    <message>
        <source>Various</source>
        <translation>Verschiedene</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Only the owner can change the permissions.</source>
        <translation>Nur der Besitzer kann die Berechtigungen ändern.</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Berechtigungen:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Counting… %1</source>
        <translation>Wird gezählt… %1</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>In diesem Ordner gibt es bereits ein Element namens „%1“.</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>Einige Änderungen konnten nicht vorgenommen werden.</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln Byte</numerusform>
            <numerusform>%Ln Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 Ordner</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln Ordner</numerusform>
            <numerusform>%Ln Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 Ordner konnte nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln Ordner konnte nicht gelesen werden</numerusform>
            <numerusform>%Ln Ordner konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::StatusBarPanel</name>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
</context>
<context>
    <name>tarnwick::ToolbarCustomizeDialog</name>
    <message>
        <source>Customize Toolbar</source>
        <translation>Symbolleiste anpassen</translation>
    </message>
    <message>
        <source>Available buttons</source>
        <translation>Verfügbare Schaltflächen</translation>
    </message>
    <message>
        <source>Toolbar buttons</source>
        <translation>Schaltflächen der Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Add -&gt;</source>
        <translation>&amp;Hinzufügen -&gt;</translation>
    </message>
    <message>
        <source>&lt;- &amp;Remove</source>
        <translation>&lt;- &amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>A&amp;vailable buttons:</source>
        <translation>&amp;Verfügbare Schaltflächen:</translation>
    </message>
    <message>
        <source>&amp;Toolbar buttons:</source>
        <translation>Schaltflächen der &amp;Symbolleiste:</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>(blank button)</source>
        <translation>(leere Schaltfläche)</translation>
    </message>
</context>
<context>
    <name>tarnwick::VolumePropertiesDialog</name>
    <message>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Mounted at:</source>
        <translation>Eingehängt in:</translation>
    </message>
    <message>
        <source>Finding out...</source>
        <translation>Wird ermittelt...</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>Nicht eingehängt</translation>
    </message>
    <message>
        <source>File system:</source>
        <translation>Dateisystem:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapazität:</translation>
    </message>
    <message>
        <source>Used space:</source>
        <translation>Belegter Speicher:</translation>
    </message>
    <message>
        <source>Free space:</source>
        <translation>Freier Speicher:</translation>
    </message>
    <message>
        <source>Used space</source>
        <translation>Belegter Speicher</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 Bytes)</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmAbout</name>
    <message>
        <source>Tarnwick icon</source>
        <translation>Tarnwick-Symbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Systeminfo...</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>The home page could not be opened: %1</source>
        <translation>Die Homepage konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmExplore</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Print staging</source>
        <translation>Druckvorbereitung</translation>
    </message>
    <message>
        <source>Which files the list shows, as patterns</source>
        <translation>Welche Dateien die Liste zeigt, als Muster</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Toolbar strip</source>
        <translation>Symbolleistenbereich</translation>
    </message>
    <message>
        <source>Small toolbar</source>
        <translation>Kleine Symbolleiste</translation>
    </message>
    <message>
        <source>Large toolbar</source>
        <translation>Große Symbolleiste</translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation>Trennbalken</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation>Ein weiteres Fenster konnte nicht geöffnet werden: „%1“ ist nicht gestartet.</translation>
    </message>
    <message>
        <source>Go To Folder</source>
        <translation>Gehe zu Ordner</translation>
    </message>
    <message>
        <source>Type the name of the path of the folder you want to open</source>
        <translation>Geben Sie den Pfad des Ordners ein, den Sie öffnen möchten</translation>
    </message>
    <message>
        <source>Printing Contents of %1</source>
        <translation>Inhalt von %1 wird gedruckt</translation>
    </message>
    <message>
        <source>Can not print this window</source>
        <translation>Dieses Fenster kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation>Optionsseiten</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>A&amp;llgemein</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Dateien</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Display Small Tool Bar</source>
        <translation>&amp;Kleine Symbolleiste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Display Large Tool Bar</source>
        <translation>&amp;Große Symbolleiste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Display Status Bar</source>
        <translation>&amp;Statusleiste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>An&amp;passen</translation>
    </message>
    <message>
        <source>Custom Filters</source>
        <translation>Eigene Filter</translation>
    </message>
    <message>
        <source>Custom filter %1</source>
        <translation>Eigener Filter %1</translation>
    </message>
    <message>
        <source>Allow Files to be Renamed</source>
        <translation>Umbenennen von Dateien erlauben</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Versteckte Dateien anzeigen</translation>
    </message>
    <message>
        <source>Show System Files</source>
        <translation>Systemdateien anzeigen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
</TS>
