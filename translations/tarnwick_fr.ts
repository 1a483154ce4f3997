<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Applications</name>
    <message>
        <source>The application “%1” is not installed.</source>
        <translation>L’application «&#xa0;%1&#xa0;» n’est pas installée.</translation>
    </message>
    <message>
        <source>There is no program to start.</source>
        <translation>Il n’y a aucun programme à lancer.</translation>
    </message>
</context>
<context>
    <name>ArchiveVerbs</name>
    <message>
        <source>“%1” cannot be the name of an archive.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être le nom d’une archive.</translation>
    </message>
    <message>
        <source>E&amp;xtract Here</source>
        <translation>&amp;Extraire ici</translation>
    </message>
    <message>
        <source>Compre&amp;ss...</source>
        <translation>Com&amp;presser...</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Compress</source>
        <translation>&amp;Compresser</translation>
    </message>
</context>
<context>
    <name>Archives</name>
    <message>
        <source>its name leads out of the folder it is unpacked into.</source>
        <translation>son nom mène hors du dossier de destination.</translation>
    </message>
    <message>
        <source>it has no name.</source>
        <translation>il n’a pas de nom.</translation>
    </message>
    <message>
        <source>it is a device, pipe or socket, which is never unpacked.</source>
        <translation>c’est un périphérique, un tube ou un socket, qui n’est jamais extrait.</translation>
    </message>
    <message>
        <source>it lies behind a link or a file, so it would land elsewhere.</source>
        <translation>il se trouve derrière un lien ou un fichier, et arriverait donc ailleurs.</translation>
    </message>
    <message>
        <source>a folder of that name is already there.</source>
        <translation>un dossier de ce nom existe déjà.</translation>
    </message>
    <message>
        <source>it is a hard link to something the archive does not hold.</source>
        <translation>c’est un lien physique vers un élément absent de l’archive.</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere.</source>
        <translation>c’est un lien qui ne mène nulle part.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” needs more space than the disk has free.</source>
        <translation>«&#xa0;%1&#xa0;» demande plus d’espace que le disque n’en a de libre.</translation>
    </message>
    <message>
        <source>“%1” unpacks to far more than its own size.</source>
        <translation>«&#xa0;%1&#xa0;» occupe, une fois extrait, bien plus que sa propre taille.</translation>
    </message>
    <message>
        <source>It holds at least %1 in an archive of %2, and the disk has %3 free; it may fill the disk. Retry goes on unpacking it, Skip leaves it packed.</source>
        <translation>L’archive contient au moins %1 pour %2 compressés, et le disque a %3 de libre&#xa0;; elle risque de remplir le disque. «&#xa0;Réessayer&#xa0;» poursuit l’extraction, «&#xa0;Ignorer&#xa0;» la laisse compressée.</translation>
    </message>
    <message>
        <source>It was left packed: it unpacks to %1.</source>
        <translation>L’archive n’a pas été extraite&#xa0;: son contenu occupe %1.</translation>
    </message>
    <message>
        <source>“%1” was left out: %2</source>
        <translation>«&#xa0;%1&#xa0;» a été laissé de côté&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>It is encrypted in a way that cannot be unpacked here (%1).</source>
        <translation>L’archive est chiffrée d’une manière qui ne permet pas de l’extraire ici (%1).</translation>
    </message>
    <message>
        <source>The password was wrong, so nothing was unpacked.</source>
        <translation>Le mot de passe était incorrect, rien n’a donc été extrait.</translation>
    </message>
    <message>
        <source>No password was given, so nothing was unpacked.</source>
        <translation>Aucun mot de passe n’a été donné, rien n’a donc été extrait.</translation>
    </message>
    <message>
        <source>The password was wrong, or the archive is damaged (%1).</source>
        <translation>Le mot de passe était incorrect, ou l’archive est endommagée (%1).</translation>
    </message>
    <message>
        <source>It is damaged, cut short or not an archive (%1).</source>
        <translation>Le fichier est endommagé, tronqué ou n’est pas une archive (%1).</translation>
    </message>
    <message>
        <source>It holds nothing to unpack.</source>
        <translation>L’archive ne contient rien à extraire.</translation>
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
        <translation>Afficher les arguments comme éléments sélectionnés dans leur dossier&#xa0;; les éléments d’un même dossier partagent sa fenêtre.</translation>
    </message>
    <message>
        <source>Show the splash screen first.</source>
        <translation>Afficher d’abord l’écran de démarrage.</translation>
    </message>
    <message>
        <source>Browse and manage files: a folder tree beside the folder&apos;s contents.</source>
        <translation>Parcourir et gérer les fichiers&#xa0;: une arborescence de dossiers à côté du contenu du dossier.</translation>
    </message>
    <message>
        <source>Folders or files to show, as paths or file:// addresses. A file opens its folder with the file selected, and the files of one folder share its window; each further folder opens in a window of its own.</source>
        <translation>Dossiers ou fichiers à afficher, sous forme de chemins ou d’adresses file://. Un fichier ouvre son dossier avec le fichier sélectionné, et les fichiers d’un même dossier partagent sa fenêtre&#xa0;; chaque dossier supplémentaire s’ouvre dans sa propre fenêtre.</translation>
    </message>
    <message>
        <source>Open the home folder when no path is given (or none can be shown).</source>
        <translation>Ouvrir le dossier personnel quand aucun chemin n’est donné (ou qu’aucun ne peut être affiché).</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>“%1” cannot be used as a name.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom.</translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation>Un nom ne peut pas contenir «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>The name “%1” is too long.</source>
        <translation>Le nom «&#xa0;%1&#xa0;» est trop long.</translation>
    </message>
</context>
<context>
    <name>FileTransfer</name>
    <message>
        <source>“%1” was moved, but the original could not be removed. %2</source>
        <translation>«&#xa0;%1&#xa0;» a été déplacé, mais l’original n’a pas pu être supprimé. %2</translation>
    </message>
    <message>
        <source>“%1” was left as it was: nothing can replace itself.</source>
        <translation>«&#xa0;%1&#xa0;» a été laissé tel quel&#xa0;: rien ne peut se remplacer lui-même.</translation>
    </message>
    <message>
        <source>“%1” was left as it was: a folder and a file cannot replace each other.</source>
        <translation>«&#xa0;%1&#xa0;» a été laissé tel quel&#xa0;: un dossier et un fichier ne peuvent pas se remplacer l’un l’autre.</translation>
    </message>
    <message>
        <source>Could not copy “%1”.</source>
        <translation>Impossible de copier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Could not move “%1”.</source>
        <translation>Impossible de déplacer «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Could not make a link to “%1”.</source>
        <translation>Impossible de créer un lien vers «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” was copied, but the disk did not confirm the copy, so the original was kept. %2</source>
        <translation>«&#xa0;%1&#xa0;» a été copié, mais le disque n’a pas confirmé la copie&#xa0;; l’original a donc été conservé. %2</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Making links</source>
        <translation>Création de liens</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>Renommage</translation>
    </message>
    <message>
        <source>Making a folder</source>
        <translation>Création d’un dossier</translation>
    </message>
    <message>
        <source>Moving to the Recycle Bin</source>
        <translation>Mise à la Corbeille</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>Changing permissions</source>
        <translation>Modification des permissions</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Ces éléments n’ont pas pu être supprimés&#xa0;:</translation>
    </message>
    <message>
        <source>These items could not be restored:</source>
        <translation>Ces éléments n’ont pas pu être restaurés&#xa0;:</translation>
    </message>
    <message>
        <source>Some items were left out:</source>
        <translation>Certains éléments ont été laissés de côté&#xa0;:</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>Certaines modifications n’ont pas pu être faites.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be transferred:</source>
        <translation>
            <numerusform>%n élément n’a pas pu être transféré&#xa0;:</numerusform>
            <numerusform>%n éléments n’ont pas pu être transférés&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder, modified %1</source>
        <translation>un dossier, modifié le %1</translation>
    </message>
    <message>
        <source>%1, modified %2</source>
        <translation>%1, modifié le %2</translation>
    </message>
    <message>
        <source>&amp;Apply to all</source>
        <translation>&amp;Appliquer à tous</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>&amp;Conserver les deux</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>Le mot de passe était incorrect.</translation>
    </message>
    <message>
        <source>“%1” is protected by a password:</source>
        <translation>«&#xa0;%1&#xa0;» est protégé par un mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is already a folder named “%1” in “%2”.</source>
        <translation>Il existe déjà un dossier nommé «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>There is already a file named “%1” in “%2”.</source>
        <translation>Il existe déjà un fichier nommé «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation>Déjà présent&#xa0;: %1</translation>
    </message>
    <message>
        <source>Arriving: %1</source>
        <translation>Nouveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>The item you are pasting is a link to “%1”.</source>
        <translation>L’élément que vous collez est un lien vers «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>It is the item itself. Keep both makes a copy beside it.</source>
        <translation>C’est l’élément lui-même. «&#xa0;Conserver les deux&#xa0;» en crée une copie à côté.</translation>
    </message>
    <message>
        <source>Merging puts what both folders hold into one; items of the same name are asked about one by one.</source>
        <translation>La fusion réunit le contenu des deux dossiers en un seul&#xa0;; pour les éléments de même nom, la question est posée un par un.</translation>
    </message>
    <message>
        <source>Copying 1 item to “%1”</source>
        <translation>Copie de 1 élément vers «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>Copying %n items to “%1”</source>
        <translation>
            <numerusform>Copie de %n élément vers «&#xa0;%1&#xa0;»</numerusform>
            <numerusform>Copie de %n éléments vers «&#xa0;%1&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving 1 item to “%1”</source>
        <translation>Déplacement de 1 élément vers «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n items to “%1”</source>
        <translation>
            <numerusform>Déplacement de %n élément vers «&#xa0;%1&#xa0;»</numerusform>
            <numerusform>Déplacement de %n éléments vers «&#xa0;%1&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>Making 1 link in “%1”</source>
        <translation>Création de 1 lien dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>Making %n links in “%1”</source>
        <translation>
            <numerusform>Création de %n lien dans «&#xa0;%1&#xa0;»</numerusform>
            <numerusform>Création de %n liens dans «&#xa0;%1&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>Unpacking 1 archive in “%1”</source>
        <translation>Extraction de 1 archive dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>Unpacking %n archives in “%1”</source>
        <translation>
            <numerusform>Extraction de %n archive dans «&#xa0;%1&#xa0;»</numerusform>
            <numerusform>Extraction de %n archives dans «&#xa0;%1&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>Packing 1 item in “%1”</source>
        <translation>Compression de 1 élément dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>Packing %n items in “%1”</source>
        <translation>
            <numerusform>Compression de %n élément dans «&#xa0;%1&#xa0;»</numerusform>
            <numerusform>Compression de %n éléments dans «&#xa0;%1&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>Operations are still running. Let them finish before the program ends?

Yes lets them finish first; No cancels them, and what they had begun is cleaned away.</source>
        <translation>Des opérations sont encore en cours. Les laisser se terminer avant de quitter le programme&#xa0;?

«&#xa0;Oui&#xa0;» les laisse d’abord se terminer&#xa0;; «&#xa0;Non&#xa0;» les annule et fait disparaître ce qu’elles avaient commencé.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>R&amp;edo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Il n’y a rien à rétablir.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Il n’y a rien à annuler.</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n item(s) were left as they were: the job was cancelled before them.</source>
        <translation>
            <numerusform>%n élément a été laissé tel quel&#xa0;: l’opération a été annulée avant lui.</numerusform>
            <numerusform>%n éléments ont été laissés tels quels&#xa0;: l’opération a été annulée avant eux.</numerusform>
        </translation>
    </message>
    <message>
        <source>It is a pipe, socket or device, which cannot be copied.</source>
        <translation>C’est un tube, un socket ou un périphérique, qui ne peut pas être copié.</translation>
    </message>
    <message>
        <source>The copy did not match the original, so the original was kept.</source>
        <translation>La copie ne correspondait pas à l’original&#xa0;; l’original a donc été conservé.</translation>
    </message>
    <message>
        <source>No free name was found for it.</source>
        <translation>Aucun nom libre n’a été trouvé pour lui.</translation>
    </message>
    <message>
        <source>A folder in it was moved elsewhere meanwhile, so the work stopped there.</source>
        <translation>Un dossier qu’il contient a été déplacé entre-temps&#xa0;; le travail s’est donc arrêté là.</translation>
    </message>
    <message>
        <source>The system cannot change it without following links, which could lead elsewhere.</source>
        <translation>Le système ne peut pas le modifier sans suivre des liens, qui pourraient mener ailleurs.</translation>
    </message>
    <message>
        <source>It no longer exists.</source>
        <translation>Il n’existe plus.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk.</source>
        <translation>Il n’y a pas assez d’espace libre sur le disque.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>Le quota de disque est épuisé.</translation>
    </message>
    <message>
        <source>Permission was denied.</source>
        <translation>Permission refusée.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Le disque est en lecture seule.</translation>
    </message>
    <message>
        <source>The name is too long for the target.</source>
        <translation>Le nom est trop long pour la destination.</translation>
    </message>
    <message>
        <source>The disk could not be read or written.</source>
        <translation>Impossible de lire ou d’écrire sur le disque.</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>Il existe déjà un élément nommé «&#xa0;%1&#xa0;» dans ce dossier.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus là.</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>The folder “%1” is no longer there.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’est plus là.</translation>
    </message>
    <message>
        <source>“%1” is not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un dossier.</translation>
    </message>
    <message>
        <source>“%1” could not be renamed. %2</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>A new folder could not be made here. %1</source>
        <translation>Impossible de créer un nouveau dossier ici. %1</translation>
    </message>
    <message>
        <source>The permissions of “%1” could not be changed. %2</source>
        <translation>Impossible de modifier les permissions de «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went.</source>
        <translation>«&#xa0;%1&#xa0;» a été en partie supprimé avant l’annulation&#xa0;: %2 éléments qu’il contenait ont disparu.</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went, %3 are left.</source>
        <translation>«&#xa0;%1&#xa0;» a été en partie supprimé avant l’annulation&#xa0;: %2 éléments qu’il contenait ont disparu, %3 restent.</translation>
    </message>
    <message>
        <source>“%1” was under way and did not answer Cancel; it may be partly done.</source>
        <translation>«&#xa0;%1&#xa0;» était en cours et n’a pas répondu à l’annulation&#xa0;; il est peut-être en partie effectué.</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panneau de configuration</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>&amp;Explorer</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>Créer un &amp;lien</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>Reno&amp;mmer</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Inverser la sélection</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>&amp;Petites icônes</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Customize Toolbar...</source>
        <translation>&amp;Personnaliser la barre d’outils...</translation>
    </message>
    <message>
        <source>&amp;Map Network Drive...</source>
        <translation>Connecter un lecteur ré&amp;seau...</translation>
    </message>
    <message>
        <source>&amp;Disconnect NetworkDrive...</source>
        <translation>&amp;Déconnecter un lecteur réseau...</translation>
    </message>
    <message>
        <source>&amp;Go to...</source>
        <translation>&amp;Aller à...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Operation &amp;History...</source>
        <translation>&amp;Historique des opérations...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>NetworkMounter</name>
    <message>
        <source>Connecting was cancelled.</source>
        <translation>La connexion a été annulée.</translation>
    </message>
    <message>
        <source>Disconnecting was cancelled.</source>
        <translation>La déconnexion a été annulée.</translation>
    </message>
    <message>
        <source>The network drive could not be connected.</source>
        <translation>Impossible de connecter le lecteur réseau.</translation>
    </message>
    <message>
        <source>The network drive could not be disconnected.</source>
        <translation>Impossible de déconnecter le lecteur réseau.</translation>
    </message>
    <message>
        <source>This copy of the program cannot work with the desktop&apos;s file services.</source>
        <translation>Cette version du programme ne peut pas fonctionner avec les services de fichiers du bureau.</translation>
    </message>
    <message>
        <source>Network drives need a desktop session, and none is running here.</source>
        <translation>Les lecteurs réseau nécessitent une session de bureau, et aucune n’est ouverte ici.</translation>
    </message>
    <message>
        <source>The desktop&apos;s file services do not answer.</source>
        <translation>Les services de fichiers du bureau ne répondent pas.</translation>
    </message>
    <message>
        <source>Network drives need the desktop&apos;s file services for network locations (the gvfs and gvfs-backends packages), and they are not installed.</source>
        <translation>Les lecteurs réseau nécessitent les services de fichiers du bureau pour les emplacements réseau (les paquets gvfs et gvfs-backends), et ils ne sont pas installés.</translation>
    </message>
    <message>
        <source>The server did not answer within a minute.</source>
        <translation>Le serveur n’a pas répondu en une minute.</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected here: the desktop&apos;s file services for them are not installed.</source>
        <translation>Les adresses %1:// ne peuvent pas être connectées ici&#xa0;: les services de fichiers du bureau correspondants ne sont pas installés.</translation>
    </message>
    <message>
        <source>Another network drive is still being connected.</source>
        <translation>Un autre lecteur réseau est encore en cours de connexion.</translation>
    </message>
    <message>
        <source>%1 is not connected.</source>
        <translation>%1 n’est pas connecté.</translation>
    </message>
    <message>
        <source>Type the address of a shared folder, such as smb://server/share.</source>
        <translation>Saisissez l’adresse d’un dossier partagé, par exemple smb://serveur/partage.</translation>
    </message>
    <message>
        <source>The address contains characters that cannot be part of one.</source>
        <translation>L’adresse contient des caractères qui ne peuvent pas figurer dans une adresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network address. Start it with the kind of connection, such as smb:// or sftp://.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse réseau. Commencez-la par le type de connexion, par exemple smb:// ou sftp://.</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected as a network drive. Use smb://, sftp://, ftp:// or dav://.</source>
        <translation>Les adresses %1:// ne peuvent pas être connectées comme lecteur réseau. Utilisez smb://, sftp://, ftp:// ou dav://.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse valide.</translation>
    </message>
    <message>
        <source>The address names no server. Write it as %1://server/folder.</source>
        <translation>L’adresse ne nomme aucun serveur. Écrivez-la sous la forme %1://serveur/dossier.</translation>
    </message>
    <message>
        <source>Leave the password out of the address; you will be asked for it.</source>
        <translation>Ne mettez pas le mot de passe dans l’adresse&#xa0;; il vous sera demandé.</translation>
    </message>
    <message>
        <source>Write &quot;?&quot; and &quot;#&quot; in a name as %3F and %23.</source>
        <translation>Dans un nom, écrivez «&#xa0;?&#xa0;» et «&#xa0;#&#xa0;» sous la forme %3F et %23.</translation>
    </message>
</context>
<context>
    <name>OperationsWindow</name>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progression de %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Answer…</source>
        <translation>&amp;Répondre…</translation>
    </message>
    <message>
        <source>Answer the question of %1</source>
        <translation>Répondre à la question de %1</translation>
    </message>
    <message>
        <source>Start &amp;Now</source>
        <translation>Démarrer &amp;maintenant</translation>
    </message>
    <message>
        <source>Start %1 now</source>
        <translation>Démarrer %1 maintenant</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Pause %1</source>
        <translation>Mettre %1 en pause</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>R&amp;eprendre</translation>
    </message>
    <message>
        <source>Resume %1</source>
        <translation>Reprendre %1</translation>
    </message>
    <message>
        <source>Waiting for the operation before it on this disk</source>
        <translation>En attente de l’opération précédente sur ce disque</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 éléments sur %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1/s, about %2 left</source>
        <translation>%1/s, encore environ %2</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Nothing is being done.</source>
        <translation>Aucune opération en cours.</translation>
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
        <translation>il n’est plus dans la Corbeille.</translation>
    </message>
    <message>
        <source>There are no files on the clipboard to paste.</source>
        <translation>Le presse-papiers ne contient aucun fichier à coller.</translation>
    </message>
    <message>
        <source>Move “%1” to the Recycle Bin?</source>
        <translation>Mettre «&#xa0;%1&#xa0;» à la Corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Move these %1 items to the Recycle Bin?</source>
        <translation>Mettre ces %1 éléments à la Corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>These items were not moved to the Recycle Bin:
%1</source>
        <translation>Ces éléments n’ont pas été mis à la Corbeille&#xa0;:
%1</translation>
    </message>
    <message>
        <source>These items cannot be moved to the Recycle Bin:
%1

Delete them for good? They cannot be brought back. This cannot be undone.</source>
        <translation>Ces éléments ne peuvent pas être mis à la Corbeille&#xa0;:
%1

Les supprimer définitivement&#xa0;? Ils ne pourront pas être récupérés. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>These items could not be deleted:
%1</source>
        <translation>Ces éléments n’ont pas pu être supprimés&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Permanently delete “%1”? This cannot be undone.</source>
        <translation>Supprimer définitivement «&#xa0;%1&#xa0;»&#xa0;? Cette action est irréversible.</translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete these %n items? This cannot be undone.</source>
        <translation>
            <numerusform>Supprimer définitivement %n élément&#xa0;? Cette action est irréversible.</numerusform>
            <numerusform>Supprimer définitivement ces %n éléments&#xa0;? Cette action est irréversible.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” for good? It cannot be brought back. This cannot be undone.</source>
        <translation>Supprimer définitivement «&#xa0;%1&#xa0;»&#xa0;? Il ne pourra pas être récupéré. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Delete these %1 items for good? They cannot be brought back. This cannot be undone.</source>
        <translation>Supprimer définitivement ces %1 éléments&#xa0;? Ils ne pourront pas être récupérés. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Something named “%1” is already in “%2”. Restore the item as “%3”?</source>
        <translation>Un élément nommé «&#xa0;%1&#xa0;» se trouve déjà dans «&#xa0;%2&#xa0;». Restaurer l’élément sous le nom «&#xa0;%3&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>These items could not be restored:
%1</source>
        <translation>Ces éléments n’ont pas pu être restaurés&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Permanently delete everything in the Recycle Bin? This cannot be undone.</source>
        <translation>Supprimer définitivement tout le contenu de la Corbeille&#xa0;? Cette action est irréversible.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Impossible d’enregistrer les paramètres dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>a setting needs a name</source>
        <translation>un paramètre doit avoir un nom</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the file would grow beyond %1 KiB, more than it may hold</source>
        <translation>le fichier dépasserait %1 Kio, plus qu’il ne peut contenir</translation>
    </message>
</context>
<context>
    <name>ShellSources</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation>Dossier système</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disque local</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation>Lecteur réseau</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation>Disque local (%1)</translation>
    </message>
</context>
<context>
    <name>StartPlaces</name>
    <message>
        <source>An empty argument names no file or folder.</source>
        <translation>Un argument vide ne désigne aucun fichier ni dossier.</translation>
    </message>
    <message>
        <source>“%1” is not on this computer or not connected; connect it with Tools &gt; Map Network Drive first.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas sur cet ordinateur ou n’est pas connecté&#xa0;; connectez-le d’abord avec Outils &gt; Connecter un lecteur réseau.</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Contents of &apos;%1&apos;</source>
        <translation>Contenu de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Contents of &apos;Desktop&apos;</source>
        <translation>Contenu de «&#xa0;Bureau&#xa0;»</translation>
    </message>
    <message>
        <source>Contents of &apos;Control Panel&apos;</source>
        <translation>Contenu de «&#xa0;Panneau de configuration&#xa0;»</translation>
    </message>
    <message>
        <source>Contents of &apos;Printers&apos;</source>
        <translation>Contenu de «&#xa0;Imprimantes&#xa0;»</translation>
    </message>
    <message>
        <source>Contents of &apos;Recycle Bin&apos;</source>
        <translation>Contenu de «&#xa0;Corbeille&#xa0;»</translation>
    </message>
    <message>
        <source>Contents of &apos;My Computer&apos;</source>
        <translation>Contenu de «&#xa0;Poste de travail&#xa0;»</translation>
    </message>
    <message>
        <source>Contents of selected namespace</source>
        <translation>Contenu de l’espace sélectionné</translation>
    </message>
    <message>
        <source>1 Item Selected</source>
        <translation>1 élément sélectionné</translation>
    </message>
    <message numerus="yes">
        <source> %n Items Selected.</source>
        <translation>
            <numerusform> %n élément sélectionné.</numerusform>
            <numerusform> %n éléments sélectionnés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Up One Level</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Map Network Drive</source>
        <translation>Connecter un lecteur réseau</translation>
    </message>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>Déconnecter un lecteur réseau</translation>
    </message>
    <message>
        <source>Disconnect Net Drive</source>
        <translation>Déconnecter un lecteur</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Grandes icônes</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Petites icônes</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>TrashStore</name>
    <message>
        <source>“%1” could not be moved to the trash: %2.</source>
        <translation>Impossible de mettre «&#xa0;%1&#xa0;» à la Corbeille&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be moved to the trash.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être mis à la Corbeille.</translation>
    </message>
    <message>
        <source>“%1” is a mounted volume and cannot be moved to the trash.</source>
        <translation>«&#xa0;%1&#xa0;» est un volume monté et ne peut pas être mis à la Corbeille.</translation>
    </message>
    <message>
        <source>The trash folder “%1” could not be set up: %2.</source>
        <translation>Impossible de créer le dossier de Corbeille «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” holds the trash and cannot be moved into it.</source>
        <translation>«&#xa0;%1&#xa0;» contient la Corbeille et ne peut pas y être mis.</translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans la Corbeille.</translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: too many items of that name are in it already.</source>
        <translation>Impossible de mettre «&#xa0;%1&#xa0;» à la Corbeille&#xa0;: elle contient déjà trop d’éléments de ce nom.</translation>
    </message>
    <message>
        <source>“%1” was not moved: its volume has no trash that can be used.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été déplacé&#xa0;: son volume n’a pas de Corbeille utilisable.</translation>
    </message>
    <message>
        <source>“%1” is not in the trash.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas dans la Corbeille.</translation>
    </message>
    <message>
        <source>“%1” is no longer in the trash.</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus dans la Corbeille.</translation>
    </message>
    <message>
        <source>“%1” was not restored: the trash does not say where it came from.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été restauré&#xa0;: la Corbeille n’indique pas d’où il vient.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” already exists.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été restauré&#xa0;: «&#xa0;%2&#xa0;» existe déjà.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” lies outside the volume whose trash holds it.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été restauré&#xa0;: «&#xa0;%2&#xa0;» se trouve hors du volume de la Corbeille qui le contient.</translation>
    </message>
    <message>
        <source>“%1” was not restored: the folder “%2” could not be created: %3.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été restauré&#xa0;: impossible de créer le dossier «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” is on another volume.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été restauré&#xa0;: «&#xa0;%2&#xa0;» est sur un autre volume.</translation>
    </message>
    <message>
        <source>“%1” was not restored: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas été restauré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be deleted completely: %2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être entièrement supprimé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>%1: is no longer there, left alone</source>
        <translation>%1&#xa0;: n’est plus là, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: was changed since, left alone</source>
        <translation>%1&#xa0;: a été modifié depuis, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: the place is now taken, left alone</source>
        <translation>%1&#xa0;: l’emplacement est désormais occupé, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: is no longer in the trash, left alone</source>
        <translation>%1&#xa0;: n’est plus dans la Corbeille, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: is no longer empty, left alone</source>
        <translation>%1&#xa0;: n’est plus vide, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: is no longer a link, left alone</source>
        <translation>%1&#xa0;: n’est plus un lien, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: was deleted for good and cannot be brought back</source>
        <translation>%1&#xa0;: a été supprimé définitivement et ne peut pas être récupéré</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommage</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>Mise à la Corbeille</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>Delete from Recycle Bin</source>
        <translation>Suppression de la Corbeille</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>Permissions Change</source>
        <translation>Modification des permissions</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraction</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>%1 of “%2”</source>
        <translation>%1 «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 of %2 Items</source>
        <translation>%1 (%2 éléments)</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>Réta&amp;blir&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>“%1” cannot be undone.</source>
        <translation>Impossible d’annuler l’opération %1.</translation>
    </message>
    <message>
        <source>The operation is no longer in the history.</source>
        <translation>L’opération n’est plus dans l’historique.</translation>
    </message>
    <message>
        <source>“%1” is being undone or redone elsewhere, or was cut short.</source>
        <translation>L’opération %1 est en cours d’annulation ou de rétablissement ailleurs, ou a été interrompue.</translation>
    </message>
    <message>
        <source>“%1” was redone meanwhile.</source>
        <translation>L’opération %1 a été rétablie entre-temps.</translation>
    </message>
    <message>
        <source>“%1” was undone meanwhile.</source>
        <translation>L’opération %1 a été annulée entre-temps.</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete for &amp;Good</source>
        <translation>Supprimer &amp;définitivement</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>Reno&amp;mmer</translation>
    </message>
    <message>
        <source>Create &amp;Link</source>
        <translation>Créer un l&amp;ien</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropriétés</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>New &amp;Folder</source>
        <translation>&amp;Nouveau dossier</translation>
    </message>
</context>
<context>
    <name>VolumeMonitor</name>
    <message>
        <source>Network Share</source>
        <translation>Partage réseau</translation>
    </message>
    <message>
        <source>CD/DVD Drive</source>
        <translation>Lecteur CD/DVD</translation>
    </message>
    <message>
        <source>Encrypted Volume</source>
        <translation>Volume chiffré</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>Disque amovible</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disque local</translation>
    </message>
    <message>
        <source>The volume is no longer there.</source>
        <translation>Le volume n’est plus là.</translation>
    </message>
    <message>
        <source>The volume is not mounted.</source>
        <translation>Le volume n’est pas monté.</translation>
    </message>
    <message>
        <source>The volume cannot be ejected.</source>
        <translation>Le volume ne peut pas être éjecté.</translation>
    </message>
    <message>
        <source>The drive cannot be removed safely from here.</source>
        <translation>Le lecteur ne peut pas être retiré en toute sécurité d’ici.</translation>
    </message>
    <message>
        <source>The volume is in use.</source>
        <translation>Le volume est en cours d’utilisation.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>L’opération a échoué.</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>Taille totale</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espace libre</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation type="vanished">Disque local</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation type="vanished">Lecteur réseau</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation type="vanished">Disque local (%1)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Original Location</source>
        <translation>Emplacement d’origine</translation>
    </message>
    <message>
        <source>Date Deleted</source>
        <translation>Supprimé le</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prête</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêtée</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (par défaut)</translation>
    </message>
</context>
<context>
    <name>frmExplore</name>
    <message>
        <source>Back</source>
        <translation type="vanished">Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="vanished">Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="vanished">Dossier personnel</translation>
    </message>
</context>
<context>
    <name>tarnwick::CredentialsDialog</name>
    <message>
        <source>Log In</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>The server refused the last try. Check the user name and the password.</source>
        <translation>Le serveur a refusé la dernière tentative. Vérifiez le nom d’utilisateur et le mot de passe.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>The server asks who you are.</source>
        <translation>Le serveur demande qui vous êtes.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d’&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domaine</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>&amp;Domaine&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>&amp;Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>&amp;Log In</source>
        <translation>Se &amp;connecter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tarnwick::DataSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln octet</numerusform>
            <numerusform>%Ln octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::DisconnectNetworkDriveDialog</name>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>Déconnecter un lecteur réseau</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Network locations:</source>
        <translation>&amp;Emplacements réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Network locations</source>
        <translation>Emplacements réseau</translation>
    </message>
    <message>
        <source>No network locations are connected.</source>
        <translation>Aucun emplacement réseau n’est connecté.</translation>
    </message>
    <message>
        <source>No network locations</source>
        <translation>Aucun emplacement réseau</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Disconnecting %1…</source>
        <translation>Déconnexion de %1…</translation>
    </message>
    <message>
        <source>%1 could not be disconnected. %2</source>
        <translation>Impossible de déconnecter %1. %2</translation>
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
        <translation>En attente</translation>
    </message>
    <message>
        <source>The folder “%1” could not be read completely: %2.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être lu entièrement&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Files cannot be pasted into %1.</source>
        <translation>Impossible de coller des fichiers dans %1.</translation>
    </message>
    <message>
        <source>Renaming in place is turned off.</source>
        <translation>Le renommage sur place est désactivé.</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Ouvrir a&amp;vec</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>Ouvrir un &amp;terminal ici</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>“%1” could not be started.</source>
        <translation>Impossible de lancer «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is nothing to open for “%1”.</source>
        <translation>Il n’y a rien à ouvrir pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>&amp;Vider la Corbeille</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerTreeView</name>
    <message>
        <source>Waiting for %1...</source>
        <translation>En attente de %1...</translation>
    </message>
    <message>
        <source>%1 was connected, but its folder %2 does not answer.</source>
        <translation>%1 a été connecté, mais son dossier %2 ne répond pas.</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be deleted.</source>
        <translation>«&#xa0;%1&#xa0;» est un volume entier et ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be renamed here.</source>
        <translation>«&#xa0;%1&#xa0;» est un volume entier et ne peut pas être renommé ici.</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>Ouvrir un &amp;terminal ici</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>The volume of %1 is no longer there, so My Computer is shown.</source>
        <translation>Le volume de %1 n’est plus là&#xa0;; le Poste de travail est donc affiché.</translation>
    </message>
    <message>
        <source>The connection to “%1” was lost, so My Computer is shown.</source>
        <translation>La connexion à «&#xa0;%1&#xa0;» a été perdue&#xa0;; le Poste de travail est donc affiché.</translation>
    </message>
    <message>
        <source>You do not have permission to open the folder “%1”.</source>
        <translation>Vous n’avez pas la permission d’ouvrir le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” is in use, so it was left mounted. Close the files and programs that use it, then try again.</source>
        <translation>«&#xa0;%1&#xa0;» est en cours d’utilisation et reste donc monté. Fermez les fichiers et programmes qui l’utilisent, puis réessayez.</translation>
    </message>
    <message>
        <source>This window has left %1, which was open on it.</source>
        <translation>Cette fenêtre a quitté %1, qui y était ouvert.</translation>
    </message>
    <message>
        <source>U&amp;nmount</source>
        <translation>&amp;Démonter</translation>
    </message>
    <message>
        <source>E&amp;ject</source>
        <translation>É&amp;jecter</translation>
    </message>
    <message>
        <source>Safel&amp;y Remove</source>
        <translation>Retirer e&amp;n toute sécurité</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropriétés</translation>
    </message>
    <message>
        <source>Unlock Volume</source>
        <translation>Déverrouiller le volume</translation>
    </message>
    <message>
        <source>Passphrase:</source>
        <translation>Phrase secrète&#xa0;:</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>&amp;Vider la Corbeille</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileManagerService</name>
    <message>
        <source>“%1” is neither an address nor an absolute path.</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni une adresse ni un chemin absolu.</translation>
    </message>
    <message>
        <source>No window could be started for %1.</source>
        <translation>Impossible d’ouvrir une fenêtre pour %1.</translation>
    </message>
    <message>
        <source>One request opens at most %1 windows; not opened: %2.</source>
        <translation>Une demande ouvre au plus %1 fenêtres&#xa0;; non ouverts&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileOpener</name>
    <message>
        <source>No application is set to open “%1”.</source>
        <translation>Aucune application n’est définie pour ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Choose the application to open “%1” with.</source>
        <translation>Choisissez l’application avec laquelle ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” could not be opened: %2</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Run “%1”?</source>
        <translation>Exécuter «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>It is a program. Run it only if you trust where it came from.</source>
        <translation>C’est un programme. Ne l’exécutez que si vous faites confiance à sa provenance.</translation>
    </message>
    <message>
        <source>It is a launcher: it starts “%1” with the command %2. Run it only if you trust where it came from.</source>
        <translation>C’est un lanceur&#xa0;: il démarre «&#xa0;%1&#xa0;» avec la commande %2. Ne l’exécutez que si vous faites confiance à sa provenance.</translation>
    </message>
    <message>
        <source>No terminal was found. Set the TERMINAL variable to the one you use.</source>
        <translation>Aucun terminal n’a été trouvé. Donnez à la variable TERMINAL le nom de celui que vous utilisez.</translation>
    </message>
    <message>
        <source>No terminal could be started in “%1”: %2</source>
        <translation>Impossible de lancer un terminal dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>Il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The application is gone.</source>
        <translation>L’application n’existe plus.</translation>
    </message>
    <message>
        <source>Other &amp;Application...</source>
        <translation>&amp;Autre application...</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Exécuter</translation>
    </message>
    <message>
        <source>Open as &amp;Text</source>
        <translation>Ouvrir comme &amp;texte</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileTransfer</name>
    <message>
        <source>Nothing was chosen.</source>
        <translation>Rien n’a été choisi.</translation>
    </message>
    <message>
        <source>“%1” is not a full path.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un chemin complet.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir le dossier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>«&#xa0;%1&#xa0;» n’existe plus.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be copied into itself or into a folder inside it.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être copié dans lui-même ni dans l’un de ses sous-dossiers.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be moved into itself or into a folder inside it.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être déplacé dans lui-même ni dans l’un de ses sous-dossiers.</translation>
    </message>
    <message>
        <source>“%1” is already in this folder.</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans ce dossier.</translation>
    </message>
</context>
<context>
    <name>tarnwick::FindWindow</name>
    <message>
        <source>&amp;Named:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Named</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>*.txt; report</source>
        <translation>*.txt; rapport</translation>
    </message>
    <message>
        <source>Wildcards * and ?, several patterns separated by &apos;;&apos;. Case is ignored.</source>
        <translation>Caractères génériques * et ?, plusieurs motifs séparés par «&#xa0;;&#xa0;». La casse est ignorée.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Contenant le &amp;texte&#xa0;:</translation>
    </message>
    <message>
        <source>Containing text</source>
        <translation>Contenant le texte</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Rechercher dans</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Rechercher dans&#xa0;:</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Inclure les &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>F&amp;ind Now</source>
        <translation>Rechercher &amp;maintenant</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Type the folder to look in.</source>
        <translation>Saisissez le dossier dans lequel rechercher.</translation>
    </message>
    <message>
        <source>Type the folder&apos;s full path, starting with “/”.</source>
        <translation>Saisissez le chemin complet du dossier, en commençant par «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be searched: %2.</source>
        <translation>Impossible de rechercher dans le dossier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche en cours…</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Arrêtée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Look In</source>
        <translation>Rechercher dans</translation>
    </message>
    <message>
        <source>Find: All Files</source>
        <translation>Rechercher&#xa0;: tous les fichiers</translation>
    </message>
    <message>
        <source>Find: Files named %1</source>
        <translation>Rechercher&#xa0;: fichiers nommés %1</translation>
    </message>
    <message>
        <source>Look in binar&amp;y files too</source>
        <translation>Chercher aussi dans les fichiers &amp;binaires</translation>
    </message>
    <message>
        <source>1 item found</source>
        <translation>1 élément trouvé</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items found</source>
        <translation>
            <numerusform>%Ln élément trouvé</numerusform>
            <numerusform>%Ln éléments trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 dossier n’a pas pu être lu</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln dossier n’a pas pu être lu</numerusform>
            <numerusform>%Ln dossiers n’ont pas pu être lus</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation>Ouvrir le &amp;dossier parent</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation type="vanished">Impossible d’ouvrir une autre fenêtre&#xa0;: «&#xa0;%1&#xa0;» n’a pas démarré.</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start. %2</source>
        <translation>Impossible d’ouvrir une autre fenêtre&#xa0;: «&#xa0;%1&#xa0;» n’a pas démarré. %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::FolderModel</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>Broken link</source>
        <translation>Lien brisé</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>Fichier spécial</translation>
    </message>
    <message>
        <source>%1 (link)</source>
        <translation>%1 (lien)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié le</translation>
    </message>
</context>
<context>
    <name>tarnwick::Form1</name>
    <message>
        <source>Print staging</source>
        <translation>Préparation de l’impression</translation>
    </message>
</context>
<context>
    <name>tarnwick::FoundItemsModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation>Dans le dossier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié le</translation>
    </message>
</context>
<context>
    <name>tarnwick::HistoryWindow</name>
    <message>
        <source>Cannot be undone</source>
        <translation>Irréversible</translation>
    </message>
    <message>
        <source>Under way</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Effectuée</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Operation History</source>
        <translation>Historique des opérations</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Vers</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tarnwick::MapNetworkDriveDialog</name>
    <message>
        <source>Map Network Drive</source>
        <translation>Connecter un lecteur réseau</translation>
    </message>
    <message>
        <source>Connect a shared folder on another computer, so that you can open it like one of your own folders.</source>
        <translation>Connectez un dossier partagé d’un autre ordinateur, pour pouvoir l’ouvrir comme l’un de vos propres dossiers.</translation>
    </message>
    <message>
        <source>About this dialog</source>
        <translation>À propos de cette boîte de dialogue</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>For example:
smb://server/share — a Windows or Samba share
sftp://user@server/folder — a folder reached over SSH
ftp://server/folder — an FTP server
dav://server/folder — a WebDAV folder (davs:// for a secure one)</source>
        <translation>Par exemple&#xa0;:
smb://serveur/partage — un partage Windows ou Samba
sftp://utilisateur@serveur/dossier — un dossier accessible par SSH
ftp://serveur/dossier — un serveur FTP
dav://serveur/dossier — un dossier WebDAV (davs:// pour une connexion sécurisée)</translation>
    </message>
    <message>
        <source>Address forms</source>
        <translation>Formes d’adresse</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>%1 could not be connected.</source>
        <translation>Impossible de connecter %1.</translation>
    </message>
</context>
<context>
    <name>tarnwick::NamespaceModel</name>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenWithDialog</name>
    <message>
        <source>&amp;Always use for this type</source>
        <translation>&amp;Toujours utiliser pour ce type</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
</context>
<context>
    <name>tarnwick::Packer</name>
    <message>
        <source>“%1” could not be made. %2</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Could not pack “%1”.</source>
        <translation>Impossible de compresser «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>It was made shorter while being packed.</source>
        <translation>Il a été raccourci pendant la compression.</translation>
    </message>
    <message>
        <source>“%1” was left out. %2</source>
        <translation>«&#xa0;%1&#xa0;» a été laissé de côté. %2</translation>
    </message>
    <message>
        <source>It could not be written. %1</source>
        <translation>Impossible de l’écrire. %1</translation>
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
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>Lien vers %1</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>Fichier spécial</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Various types</source>
        <translation>Types divers</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Various folders</source>
        <translation>Dossiers divers</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Créé le&#xa0;:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié le&#xa0;:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Dernier accès&#xa0;:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propriétaire&#xa0;:</translation>
    </message>
    <message>
        <source>Various</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Groupe&#xa0;:</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Exécution</translation>
    </message>
    <message>
        <source>Only the owner can change the permissions.</source>
        <translation>Seul le propriétaire peut modifier les permissions.</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permissions&#xa0;:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Counting… %1</source>
        <translation>Comptage… %1</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>Il existe déjà un élément nommé «&#xa0;%1&#xa0;» dans ce dossier.</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>Certaines modifications n’ont pas pu être faites.</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln octet</numerusform>
            <numerusform>%Ln octets</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 dossier</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln dossier</numerusform>
            <numerusform>%Ln dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 dossier n’a pas pu être lu</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln dossier n’a pas pu être lu</numerusform>
            <numerusform>%Ln dossiers n’ont pas pu être lus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::StatusBarPanel</name>
    <message>
        <source>Status bar</source>
        <translation>Barre d’état</translation>
    </message>
</context>
<context>
    <name>tarnwick::ToolbarCustomizeDialog</name>
    <message>
        <source>Customize Toolbar</source>
        <translation>Personnaliser la barre d’outils</translation>
    </message>
    <message>
        <source>Available buttons</source>
        <translation>Boutons disponibles</translation>
    </message>
    <message>
        <source>Toolbar buttons</source>
        <translation>Boutons de la barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Add -&gt;</source>
        <translation>&amp;Ajouter -&gt;</translation>
    </message>
    <message>
        <source>&lt;- &amp;Remove</source>
        <translation>&lt;- &amp;Retirer</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>Réi&amp;nitialiser</translation>
    </message>
    <message>
        <source>A&amp;vailable buttons:</source>
        <translation>Boutons disponi&amp;bles&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Toolbar buttons:</source>
        <translation>Boutons de la barre d’&amp;outils&#xa0;:</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>(blank button)</source>
        <translation>(bouton vide)</translation>
    </message>
</context>
<context>
    <name>tarnwick::VolumePropertiesDialog</name>
    <message>
        <source>%1 Properties</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Mounted at:</source>
        <translation>Monté sur&#xa0;:</translation>
    </message>
    <message>
        <source>Finding out...</source>
        <translation>Détection...</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>Non monté</translation>
    </message>
    <message>
        <source>File system:</source>
        <translation>Système de fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacité&#xa0;:</translation>
    </message>
    <message>
        <source>Used space:</source>
        <translation>Espace utilisé&#xa0;:</translation>
    </message>
    <message>
        <source>Free space:</source>
        <translation>Espace libre&#xa0;:</translation>
    </message>
    <message>
        <source>Used space</source>
        <translation>Espace utilisé</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 octets)</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmAbout</name>
    <message>
        <source>Tarnwick icon</source>
        <translation>Icône de Tarnwick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Infos système...</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Page d’accueil</translation>
    </message>
    <message>
        <source>The home page could not be opened: %1</source>
        <translation>Impossible d’ouvrir la page d’accueil&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmExplore</name>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Print staging</source>
        <translation>Préparation de l’impression</translation>
    </message>
    <message>
        <source>Which files the list shows, as patterns</source>
        <translation>Les fichiers que la liste affiche, sous forme de motifs</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Toolbar strip</source>
        <translation>Zone des barres d’outils</translation>
    </message>
    <message>
        <source>Small toolbar</source>
        <translation>Petite barre d’outils</translation>
    </message>
    <message>
        <source>Large toolbar</source>
        <translation>Grande barre d’outils</translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation>Séparateur de volets</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation>Impossible d’ouvrir une autre fenêtre&#xa0;: «&#xa0;%1&#xa0;» n’a pas démarré.</translation>
    </message>
    <message>
        <source>Go To Folder</source>
        <translation>Aller au dossier</translation>
    </message>
    <message>
        <source>Type the name of the path of the folder you want to open</source>
        <translation>Saisissez le chemin du dossier que vous voulez ouvrir</translation>
    </message>
    <message>
        <source>Printing Contents of %1</source>
        <translation>Impression du contenu de %1</translation>
    </message>
    <message>
        <source>Can not print this window</source>
        <translation>Impossible d’imprimer cette fenêtre</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation>Pages d’options</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>&amp;Filtres</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>F&amp;ichiers</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Display Small Tool Bar</source>
        <translation>Afficher la &amp;petite barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Display Large Tool Bar</source>
        <translation>Afficher la gran&amp;de barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Display Status Bar</source>
        <translation>Afficher la &amp;barre d’état</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>Perso&amp;nnaliser</translation>
    </message>
    <message>
        <source>Custom Filters</source>
        <translation>Filtres personnalisés</translation>
    </message>
    <message>
        <source>Custom filter %1</source>
        <translation>Filtre personnalisé %1</translation>
    </message>
    <message>
        <source>Allow Files to be Renamed</source>
        <translation>Autoriser le renommage des fichiers</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Afficher les fichiers cachés</translation>
    </message>
    <message>
        <source>Show System Files</source>
        <translation>Afficher les fichiers système</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
</TS>
