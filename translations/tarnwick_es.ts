<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Applications</name>
    <message>
        <source>The application “%1” is not installed.</source>
        <translation>La aplicación «%1» no está instalada.</translation>
    </message>
    <message>
        <source>There is no program to start.</source>
        <translation>No hay ningún programa que iniciar.</translation>
    </message>
</context>
<context>
    <name>ArchiveVerbs</name>
    <message>
        <source>“%1” cannot be the name of an archive.</source>
        <translation>«%1» no puede ser el nombre de un archivo comprimido.</translation>
    </message>
    <message>
        <source>E&amp;xtract Here</source>
        <translation>E&amp;xtraer aquí</translation>
    </message>
    <message>
        <source>Compre&amp;ss...</source>
        <translation>Co&amp;mprimir...</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Compress</source>
        <translation>&amp;Comprimir</translation>
    </message>
</context>
<context>
    <name>Archives</name>
    <message>
        <source>its name leads out of the folder it is unpacked into.</source>
        <translation>su nombre lleva fuera de la carpeta en la que se descomprime.</translation>
    </message>
    <message>
        <source>it has no name.</source>
        <translation>no tiene nombre.</translation>
    </message>
    <message>
        <source>it is a device, pipe or socket, which is never unpacked.</source>
        <translation>es un dispositivo, una canalización o un socket, que nunca se descomprimen.</translation>
    </message>
    <message>
        <source>it lies behind a link or a file, so it would land elsewhere.</source>
        <translation>está detrás de un enlace o de un archivo, así que iría a parar a otro sitio.</translation>
    </message>
    <message>
        <source>a folder of that name is already there.</source>
        <translation>ya hay una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>it is a hard link to something the archive does not hold.</source>
        <translation>es un vínculo físico a algo que el archivo comprimido no contiene.</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere.</source>
        <translation>es un enlace que no lleva a ninguna parte.</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” needs more space than the disk has free.</source>
        <translation>«%1» necesita más espacio del que queda libre en el disco.</translation>
    </message>
    <message>
        <source>“%1” unpacks to far more than its own size.</source>
        <translation>«%1» ocupa descomprimido mucho más que su propio tamaño.</translation>
    </message>
    <message>
        <source>It holds at least %1 in an archive of %2, and the disk has %3 free; it may fill the disk. Retry goes on unpacking it, Skip leaves it packed.</source>
        <translation>Contiene al menos %1 en un archivo comprimido de %2, y el disco tiene %3 libres; podría llenar el disco. Reintentar sigue descomprimiéndolo; Omitir lo deja comprimido.</translation>
    </message>
    <message>
        <source>It was left packed: it unpacks to %1.</source>
        <translation>Se dejó comprimido: descomprimido ocupa %1.</translation>
    </message>
    <message>
        <source>“%1” was left out: %2</source>
        <translation>Se omitió «%1»: %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>No se pudo escribir «%1». %2</translation>
    </message>
    <message>
        <source>It is encrypted in a way that cannot be unpacked here (%1).</source>
        <translation>Está cifrado de una forma que no se puede descomprimir aquí (%1).</translation>
    </message>
    <message>
        <source>The password was wrong, so nothing was unpacked.</source>
        <translation>La contraseña no era correcta, así que no se descomprimió nada.</translation>
    </message>
    <message>
        <source>No password was given, so nothing was unpacked.</source>
        <translation>No se indicó ninguna contraseña, así que no se descomprimió nada.</translation>
    </message>
    <message>
        <source>The password was wrong, or the archive is damaged (%1).</source>
        <translation>La contraseña no era correcta o el archivo comprimido está dañado (%1).</translation>
    </message>
    <message>
        <source>It is damaged, cut short or not an archive (%1).</source>
        <translation>Está dañado, incompleto o no es un archivo comprimido (%1).</translation>
    </message>
    <message>
        <source>It holds nothing to unpack.</source>
        <translation>No contiene nada que descomprimir.</translation>
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
        <translation>Muestra los argumentos como elementos seleccionados en su carpeta; los elementos de una misma carpeta comparten su ventana.</translation>
    </message>
    <message>
        <source>Show the splash screen first.</source>
        <translation>Muestra primero la pantalla de presentación.</translation>
    </message>
    <message>
        <source>Browse and manage files: a folder tree beside the folder&apos;s contents.</source>
        <translation>Explora y administra archivos: un árbol de carpetas junto al contenido de la carpeta.</translation>
    </message>
    <message>
        <source>Folders or files to show, as paths or file:// addresses. A file opens its folder with the file selected, and the files of one folder share its window; each further folder opens in a window of its own.</source>
        <translation>Carpetas o archivos que mostrar, como rutas o direcciones file://. Un archivo abre su carpeta con el archivo seleccionado, y los archivos de una misma carpeta comparten su ventana; cada carpeta adicional se abre en una ventana propia.</translation>
    </message>
    <message>
        <source>Open the home folder when no path is given (or none can be shown).</source>
        <translation>Abre la carpeta personal cuando no se indica ninguna ruta (o no se puede mostrar ninguna).</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>A name cannot be empty.</source>
        <translation>El nombre no puede estar vacío.</translation>
    </message>
    <message>
        <source>“%1” cannot be used as a name.</source>
        <translation>«%1» no se puede usar como nombre.</translation>
    </message>
    <message>
        <source>A name cannot contain “/”.</source>
        <translation>Un nombre no puede contener «/».</translation>
    </message>
    <message>
        <source>The name “%1” is too long.</source>
        <translation>El nombre «%1» es demasiado largo.</translation>
    </message>
</context>
<context>
    <name>FileTransfer</name>
    <message>
        <source>“%1” was moved, but the original could not be removed. %2</source>
        <translation>«%1» se movió, pero no se pudo quitar el original. %2</translation>
    </message>
    <message>
        <source>“%1” was left as it was: nothing can replace itself.</source>
        <translation>«%1» se dejó como estaba: nada puede reemplazarse a sí mismo.</translation>
    </message>
    <message>
        <source>“%1” was left as it was: a folder and a file cannot replace each other.</source>
        <translation>«%1» se dejó como estaba: una carpeta y un archivo no pueden reemplazarse entre sí.</translation>
    </message>
    <message>
        <source>Could not copy “%1”.</source>
        <translation>No se pudo copiar «%1».</translation>
    </message>
    <message>
        <source>Could not move “%1”.</source>
        <translation>No se pudo mover «%1».</translation>
    </message>
    <message>
        <source>Could not make a link to “%1”.</source>
        <translation>No se pudo crear un enlace a «%1».</translation>
    </message>
    <message>
        <source>“%1” was copied, but the disk did not confirm the copy, so the original was kept. %2</source>
        <translation>«%1» se copió, pero el disco no confirmó la copia, así que se conservó el original. %2</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copiando</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Moviendo</translation>
    </message>
    <message>
        <source>Making links</source>
        <translation>Creando enlaces</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>Cambiando el nombre</translation>
    </message>
    <message>
        <source>Making a folder</source>
        <translation>Creando una carpeta</translation>
    </message>
    <message>
        <source>Moving to the Recycle Bin</source>
        <translation>Enviando a la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Eliminando</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>Restaurando</translation>
    </message>
    <message>
        <source>Changing permissions</source>
        <translation>Cambiando permisos</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Descomprimiendo</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>Comprimiendo</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>No se pudieron eliminar estos elementos:</translation>
    </message>
    <message>
        <source>These items could not be restored:</source>
        <translation>No se pudieron restaurar estos elementos:</translation>
    </message>
    <message>
        <source>Some items were left out:</source>
        <translation>Se omitieron algunos elementos:</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>No se pudieron hacer algunos cambios.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be transferred:</source>
        <translation>
            <numerusform>No se pudo transferir %n elemento:</numerusform>
            <numerusform>No se pudieron transferir %n elementos:</numerusform>
        </translation>
    </message>
    <message>
        <source>a folder, modified %1</source>
        <translation>una carpeta, modificada el %1</translation>
    </message>
    <message>
        <source>%1, modified %2</source>
        <translation>%1, modificado el %2</translation>
    </message>
    <message>
        <source>&amp;Apply to all</source>
        <translation>Aplicar a &amp;todos</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>Conservar &amp;ambos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The password was wrong.</source>
        <translation>La contraseña no es correcta.</translation>
    </message>
    <message>
        <source>“%1” is protected by a password:</source>
        <translation>«%1» está protegido con contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is already a folder named “%1” in “%2”.</source>
        <translation>Ya hay una carpeta llamada «%1» en «%2».</translation>
    </message>
    <message>
        <source>There is already a file named “%1” in “%2”.</source>
        <translation>Ya hay un archivo llamado «%1» en «%2».</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <translation>Existente: %1</translation>
    </message>
    <message>
        <source>Arriving: %1</source>
        <translation>Entrante: %1</translation>
    </message>
    <message>
        <source>The item you are pasting is a link to “%1”.</source>
        <translation>El elemento que está pegando es un enlace a «%1».</translation>
    </message>
    <message>
        <source>It is the item itself. Keep both makes a copy beside it.</source>
        <translation>Es el mismo elemento. «Conservar ambos» crea una copia a su lado.</translation>
    </message>
    <message>
        <source>Merging puts what both folders hold into one; items of the same name are asked about one by one.</source>
        <translation>Combinar reúne en una sola carpeta lo que contienen ambas; por los elementos con el mismo nombre se pregunta uno a uno.</translation>
    </message>
    <message>
        <source>Copying 1 item to “%1”</source>
        <translation>Copiando 1 elemento a «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Copying %n items to “%1”</source>
        <translation>
            <numerusform>Copiando %n elemento a «%1»</numerusform>
            <numerusform>Copiando %n elementos a «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Moving 1 item to “%1”</source>
        <translation>Moviendo 1 elemento a «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Moving %n items to “%1”</source>
        <translation>
            <numerusform>Moviendo %n elemento a «%1»</numerusform>
            <numerusform>Moviendo %n elementos a «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Making 1 link in “%1”</source>
        <translation>Creando 1 enlace en «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Making %n links in “%1”</source>
        <translation>
            <numerusform>Creando %n enlace en «%1»</numerusform>
            <numerusform>Creando %n enlaces en «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Unpacking 1 archive in “%1”</source>
        <translation>Descomprimiendo 1 archivo comprimido en «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Unpacking %n archives in “%1”</source>
        <translation>
            <numerusform>Descomprimiendo %n archivo comprimido en «%1»</numerusform>
            <numerusform>Descomprimiendo %n archivos comprimidos en «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Packing 1 item in “%1”</source>
        <translation>Comprimiendo 1 elemento en «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Packing %n items in “%1”</source>
        <translation>
            <numerusform>Comprimiendo %n elemento en «%1»</numerusform>
            <numerusform>Comprimiendo %n elementos en «%1»</numerusform>
        </translation>
    </message>
    <message>
        <source>Operations are still running. Let them finish before the program ends?

Yes lets them finish first; No cancels them, and what they had begun is cleaned away.</source>
        <translation>Todavía hay operaciones en curso. ¿Dejar que terminen antes de cerrar el programa?

Sí las deja terminar primero; No las cancela y se limpia lo que hubieran empezado.</translation>
    </message>
</context>
<context>
    <name>HistoryVerbs</name>
    <message>
        <source>R&amp;edo</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>No hay nada que rehacer.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>No hay nada que deshacer.</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n item(s) were left as they were: the job was cancelled before them.</source>
        <translation>
            <numerusform>%n elemento se dejó como estaba: la tarea se canceló antes de llegar a él.</numerusform>
            <numerusform>%n elementos se dejaron como estaban: la tarea se canceló antes de llegar a ellos.</numerusform>
        </translation>
    </message>
    <message>
        <source>It is a pipe, socket or device, which cannot be copied.</source>
        <translation>Es una canalización, un socket o un dispositivo, que no se puede copiar.</translation>
    </message>
    <message>
        <source>The copy did not match the original, so the original was kept.</source>
        <translation>La copia no coincidía con el original, así que se conservó el original.</translation>
    </message>
    <message>
        <source>No free name was found for it.</source>
        <translation>No se encontró ningún nombre libre para él.</translation>
    </message>
    <message>
        <source>A folder in it was moved elsewhere meanwhile, so the work stopped there.</source>
        <translation>Mientras tanto, una carpeta que contenía se movió a otro sitio, así que el trabajo se detuvo ahí.</translation>
    </message>
    <message>
        <source>The system cannot change it without following links, which could lead elsewhere.</source>
        <translation>El sistema no puede cambiarlo sin seguir enlaces, que podrían llevar a otro sitio.</translation>
    </message>
    <message>
        <source>It no longer exists.</source>
        <translation>Ya no existe.</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk.</source>
        <translation>No hay suficiente espacio libre en el disco.</translation>
    </message>
    <message>
        <source>The disk quota is used up.</source>
        <translation>Se agotó la cuota de disco.</translation>
    </message>
    <message>
        <source>Permission was denied.</source>
        <translation>Se denegó el permiso.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>El disco es de solo lectura.</translation>
    </message>
    <message>
        <source>The name is too long for the target.</source>
        <translation>El nombre es demasiado largo para el destino.</translation>
    </message>
    <message>
        <source>The disk could not be read or written.</source>
        <translation>No se pudo leer o escribir en el disco.</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>Ya hay un elemento llamado «%1» en esta carpeta.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>«%1» ya no está ahí.</translation>
    </message>
    <message>
        <source>The folder “%1” does not exist.</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>The folder “%1” is no longer there.</source>
        <translation>La carpeta «%1» ya no está ahí.</translation>
    </message>
    <message>
        <source>“%1” is not a folder.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>“%1” could not be renamed. %2</source>
        <translation>No se pudo cambiar el nombre de «%1». %2</translation>
    </message>
    <message>
        <source>A new folder could not be made here. %1</source>
        <translation>No se pudo crear una carpeta nueva aquí. %1</translation>
    </message>
    <message>
        <source>The permissions of “%1” could not be changed. %2</source>
        <translation>No se pudieron cambiar los permisos de «%1». %2</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went.</source>
        <translation>«%1» se eliminó en parte antes de Cancelar: se eliminaron %2 elementos que contenía.</translation>
    </message>
    <message>
        <source>“%1” was partly deleted before Cancel: %2 items in it went, %3 are left.</source>
        <translation>«%1» se eliminó en parte antes de Cancelar: se eliminaron %2 elementos que contenía y quedan %3.</translation>
    </message>
    <message>
        <source>“%1” was under way and did not answer Cancel; it may be partly done.</source>
        <translation>«%1» estaba en curso y no respondió a Cancelar; puede que esté hecho en parte.</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impresoras</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mi PC</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>E&amp;xplorar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Create &amp;Shortcut</source>
        <translation>Crear acceso &amp;directo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Invertir selección</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>Iconos &amp;pequeños</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Customize Toolbar...</source>
        <translation>&amp;Personalizar barra de herramientas...</translation>
    </message>
    <message>
        <source>&amp;Map Network Drive...</source>
        <translation>&amp;Conectar a unidad de red...</translation>
    </message>
    <message>
        <source>&amp;Disconnect NetworkDrive...</source>
        <translation>&amp;Desconectar unidad de red...</translation>
    </message>
    <message>
        <source>&amp;Go to...</source>
        <translation>&amp;Ir a...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Operation &amp;History...</source>
        <translation>&amp;Historial de operaciones...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>NetworkMounter</name>
    <message>
        <source>Connecting was cancelled.</source>
        <translation>Se canceló la conexión.</translation>
    </message>
    <message>
        <source>Disconnecting was cancelled.</source>
        <translation>Se canceló la desconexión.</translation>
    </message>
    <message>
        <source>The network drive could not be connected.</source>
        <translation>No se pudo conectar la unidad de red.</translation>
    </message>
    <message>
        <source>The network drive could not be disconnected.</source>
        <translation>No se pudo desconectar la unidad de red.</translation>
    </message>
    <message>
        <source>This copy of the program cannot work with the desktop&apos;s file services.</source>
        <translation>Esta copia del programa no puede trabajar con los servicios de archivos del escritorio.</translation>
    </message>
    <message>
        <source>Network drives need a desktop session, and none is running here.</source>
        <translation>Las unidades de red necesitan una sesión de escritorio, y aquí no hay ninguna en marcha.</translation>
    </message>
    <message>
        <source>The desktop&apos;s file services do not answer.</source>
        <translation>Los servicios de archivos del escritorio no responden.</translation>
    </message>
    <message>
        <source>Network drives need the desktop&apos;s file services for network locations (the gvfs and gvfs-backends packages), and they are not installed.</source>
        <translation>Las unidades de red necesitan los servicios de archivos del escritorio para ubicaciones de red (los paquetes gvfs y gvfs-backends), y no están instalados.</translation>
    </message>
    <message>
        <source>The server did not answer within a minute.</source>
        <translation>El servidor no respondió en un minuto.</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected here: the desktop&apos;s file services for them are not installed.</source>
        <translation>Las direcciones %1:// no se pueden conectar aquí: no están instalados los servicios de archivos del escritorio para ellas.</translation>
    </message>
    <message>
        <source>Another network drive is still being connected.</source>
        <translation>Todavía se está conectando otra unidad de red.</translation>
    </message>
    <message>
        <source>%1 is not connected.</source>
        <translation>%1 no está conectado.</translation>
    </message>
    <message>
        <source>Type the address of a shared folder, such as smb://server/share.</source>
        <translation>Escriba la dirección de una carpeta compartida, como smb://servidor/recurso.</translation>
    </message>
    <message>
        <source>The address contains characters that cannot be part of one.</source>
        <translation>La dirección contiene caracteres que no pueden formar parte de una dirección.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network address. Start it with the kind of connection, such as smb:// or sftp://.</source>
        <translation>«%1» no es una dirección de red. Comience con el tipo de conexión, como smb:// o sftp://.</translation>
    </message>
    <message>
        <source>%1:// addresses cannot be connected as a network drive. Use smb://, sftp://, ftp:// or dav://.</source>
        <translation>Las direcciones %1:// no se pueden conectar como unidad de red. Use smb://, sftp://, ftp:// o dav://.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>«%1» no es una dirección válida.</translation>
    </message>
    <message>
        <source>The address names no server. Write it as %1://server/folder.</source>
        <translation>La dirección no indica ningún servidor. Escríbala como %1://servidor/carpeta.</translation>
    </message>
    <message>
        <source>Leave the password out of the address; you will be asked for it.</source>
        <translation>No incluya la contraseña en la dirección; se le pedirá.</translation>
    </message>
    <message>
        <source>Write &quot;?&quot; and &quot;#&quot; in a name as %3F and %23.</source>
        <translation>Escriba «?» y «#» en un nombre como %3F y %23.</translation>
    </message>
</context>
<context>
    <name>OperationsWindow</name>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Answer…</source>
        <translation>&amp;Responder…</translation>
    </message>
    <message>
        <source>Answer the question of %1</source>
        <translation>Responder a la pregunta de %1</translation>
    </message>
    <message>
        <source>Start &amp;Now</source>
        <translation>Empezar a&amp;hora</translation>
    </message>
    <message>
        <source>Start %1 now</source>
        <translation>Empezar %1 ahora</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>Pause %1</source>
        <translation>Pausar %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel %1</source>
        <translation>Cancelar %1</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Rea&amp;nudar</translation>
    </message>
    <message>
        <source>Resume %1</source>
        <translation>Reanudar %1</translation>
    </message>
    <message>
        <source>Waiting for the operation before it on this disk</source>
        <translation>Esperando a la operación anterior en este disco</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 de %2 elementos</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1/s, about %2 left</source>
        <translation>%1/s, quedan unos %2</translation>
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
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Nothing is being done.</source>
        <translation>No se está haciendo nada.</translation>
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
        <translation>ya no está en la Papelera de reciclaje.</translation>
    </message>
    <message>
        <source>There are no files on the clipboard to paste.</source>
        <translation>No hay archivos en el portapapeles para pegar.</translation>
    </message>
    <message>
        <source>Move “%1” to the Recycle Bin?</source>
        <translation>¿Enviar «%1» a la Papelera de reciclaje?</translation>
    </message>
    <message>
        <source>Move these %1 items to the Recycle Bin?</source>
        <translation>¿Enviar estos %1 elementos a la Papelera de reciclaje?</translation>
    </message>
    <message>
        <source>These items were not moved to the Recycle Bin:
%1</source>
        <translation>Estos elementos no se enviaron a la Papelera de reciclaje:
%1</translation>
    </message>
    <message>
        <source>These items cannot be moved to the Recycle Bin:
%1

Delete them for good? They cannot be brought back. This cannot be undone.</source>
        <translation>Estos elementos no se pueden enviar a la Papelera de reciclaje:
%1

¿Eliminarlos definitivamente? No se podrán recuperar. Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>These items could not be deleted:
%1</source>
        <translation>No se pudieron eliminar estos elementos:
%1</translation>
    </message>
    <message>
        <source>Permanently delete “%1”? This cannot be undone.</source>
        <translation>¿Eliminar «%1» permanentemente? Esta acción no se puede deshacer.</translation>
    </message>
    <message numerus="yes">
        <source>Permanently delete these %n items? This cannot be undone.</source>
        <translation>
            <numerusform>¿Eliminar este elemento permanentemente? Esta acción no se puede deshacer.</numerusform>
            <numerusform>¿Eliminar estos %n elementos permanentemente? Esta acción no se puede deshacer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete “%1” for good? It cannot be brought back. This cannot be undone.</source>
        <translation>¿Eliminar «%1» definitivamente? No se podrá recuperar. Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Delete these %1 items for good? They cannot be brought back. This cannot be undone.</source>
        <translation>¿Eliminar estos %1 elementos definitivamente? No se podrán recuperar. Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Something named “%1” is already in “%2”. Restore the item as “%3”?</source>
        <translation>Ya hay algo llamado «%1» en «%2». ¿Restaurar el elemento como «%3»?</translation>
    </message>
    <message>
        <source>These items could not be restored:
%1</source>
        <translation>No se pudieron restaurar estos elementos:
%1</translation>
    </message>
    <message>
        <source>Permanently delete everything in the Recycle Bin? This cannot be undone.</source>
        <translation>¿Eliminar permanentemente todo el contenido de la Papelera de reciclaje? Esta acción no se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la configuración en %1: %2.</translation>
    </message>
    <message>
        <source>a setting needs a name</source>
        <translation>un ajuste necesita un nombre</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the file would grow beyond %1 KiB, more than it may hold</source>
        <translation>el archivo superaría los %1 KiB, más de lo que puede contener</translation>
    </message>
</context>
<context>
    <name>ShellSources</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>System Folder</source>
        <translation>Carpeta del sistema</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disco local</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation>Unidad de red</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation>Disco local (%1)</translation>
    </message>
</context>
<context>
    <name>StartPlaces</name>
    <message>
        <source>An empty argument names no file or folder.</source>
        <translation>Un argumento vacío no indica ningún archivo ni carpeta.</translation>
    </message>
    <message>
        <source>“%1” is not on this computer or not connected; connect it with Tools &gt; Map Network Drive first.</source>
        <translation>«%1» no está en este equipo o no está conectado; conéctelo antes con Herramientas &gt; Conectar a unidad de red.</translation>
    </message>
    <message>
        <source>“%1”: %2.</source>
        <translation>«%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Contents of &apos;%1&apos;</source>
        <translation>Contenido de «%1»</translation>
    </message>
    <message>
        <source>Contents of &apos;Desktop&apos;</source>
        <translation>Contenido de «Escritorio»</translation>
    </message>
    <message>
        <source>Contents of &apos;Control Panel&apos;</source>
        <translation>Contenido de «Panel de control»</translation>
    </message>
    <message>
        <source>Contents of &apos;Printers&apos;</source>
        <translation>Contenido de «Impresoras»</translation>
    </message>
    <message>
        <source>Contents of &apos;Recycle Bin&apos;</source>
        <translation>Contenido de «Papelera de reciclaje»</translation>
    </message>
    <message>
        <source>Contents of &apos;My Computer&apos;</source>
        <translation>Contenido de «Mi PC»</translation>
    </message>
    <message>
        <source>Contents of selected namespace</source>
        <translation>Contenido del espacio de nombres seleccionado</translation>
    </message>
    <message>
        <source>1 Item Selected</source>
        <translation>1 elemento seleccionado</translation>
    </message>
    <message numerus="yes">
        <source> %n Items Selected.</source>
        <translation>
            <numerusform> %n elemento seleccionado.</numerusform>
            <numerusform> %n elementos seleccionados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Up One Level</source>
        <translation>Subir un nivel</translation>
    </message>
    <message>
        <source>Map Network Drive</source>
        <translation>Conectar a unidad de red</translation>
    </message>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>Desconectar unidad de red</translation>
    </message>
    <message>
        <source>Disconnect Net Drive</source>
        <translation>Desconectar unidad</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Iconos grandes</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Iconos pequeños</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>TrashStore</name>
    <message>
        <source>“%1” could not be moved to the trash: %2.</source>
        <translation>No se pudo enviar «%1» a la papelera: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be moved to the trash.</source>
        <translation>«%1» no se puede enviar a la papelera.</translation>
    </message>
    <message>
        <source>“%1” is a mounted volume and cannot be moved to the trash.</source>
        <translation>«%1» es un volumen montado y no se puede enviar a la papelera.</translation>
    </message>
    <message>
        <source>The trash folder “%1” could not be set up: %2.</source>
        <translation>No se pudo preparar la carpeta de la papelera «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” holds the trash and cannot be moved into it.</source>
        <translation>«%1» contiene la papelera y no se puede enviar a ella.</translation>
    </message>
    <message>
        <source>“%1” is in the trash already.</source>
        <translation>«%1» ya está en la papelera.</translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: too many items of that name are in it already.</source>
        <translation>No se pudo enviar «%1» a la papelera: ya hay en ella demasiados elementos con ese nombre.</translation>
    </message>
    <message>
        <source>“%1” was not moved: its volume has no trash that can be used.</source>
        <translation>«%1» no se envió: su volumen no tiene una papelera que se pueda usar.</translation>
    </message>
    <message>
        <source>“%1” is not in the trash.</source>
        <translation>«%1» no está en la papelera.</translation>
    </message>
    <message>
        <source>“%1” is no longer in the trash.</source>
        <translation>«%1» ya no está en la papelera.</translation>
    </message>
    <message>
        <source>“%1” was not restored: the trash does not say where it came from.</source>
        <translation>«%1» no se restauró: la papelera no indica de dónde procede.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” already exists.</source>
        <translation>«%1» no se restauró: «%2» ya existe.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” lies outside the volume whose trash holds it.</source>
        <translation>«%1» no se restauró: «%2» está fuera del volumen cuya papelera lo contiene.</translation>
    </message>
    <message>
        <source>“%1” was not restored: the folder “%2” could not be created: %3.</source>
        <translation>«%1» no se restauró: no se pudo crear la carpeta «%2»: %3.</translation>
    </message>
    <message>
        <source>“%1” was not restored: “%2” is on another volume.</source>
        <translation>«%1» no se restauró: «%2» está en otro volumen.</translation>
    </message>
    <message>
        <source>“%1” was not restored: %2.</source>
        <translation>«%1» no se restauró: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be deleted completely: %2</source>
        <translation>No se pudo eliminar «%1» por completo: %2</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>%1: is no longer there, left alone</source>
        <translation>%1: ya no está ahí; no se ha tocado</translation>
    </message>
    <message>
        <source>%1: was changed since, left alone</source>
        <translation>%1: ha cambiado desde entonces; no se ha tocado</translation>
    </message>
    <message>
        <source>%1: the place is now taken, left alone</source>
        <translation>%1: el lugar ya está ocupado; no se ha tocado</translation>
    </message>
    <message>
        <source>%1: is no longer in the trash, left alone</source>
        <translation>%1: ya no está en la papelera; no se ha tocado</translation>
    </message>
    <message>
        <source>%1: is no longer empty, left alone</source>
        <translation>%1: ya no está vacío; no se ha tocado</translation>
    </message>
    <message>
        <source>%1: is no longer a link, left alone</source>
        <translation>%1: ya no es un enlace; no se ha tocado</translation>
    </message>
    <message>
        <source>%1: was deleted for good and cannot be brought back</source>
        <translation>%1: se eliminó definitivamente y no se puede recuperar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Crear enlace</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>Enviar a la Papelera</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete from Recycle Bin</source>
        <translation>Eliminar de la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Permissions Change</source>
        <translation>Cambiar permisos</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>%1 of “%2”</source>
        <translation>%1 «%2»</translation>
    </message>
    <message>
        <source>%1 of %2 Items</source>
        <translation>%1 %2 elementos</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>Re&amp;hacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>“%1” cannot be undone.</source>
        <translation>No se puede deshacer: %1.</translation>
    </message>
    <message>
        <source>The operation is no longer in the history.</source>
        <translation>La operación ya no está en el historial.</translation>
    </message>
    <message>
        <source>“%1” is being undone or redone elsewhere, or was cut short.</source>
        <translation>%1: se está deshaciendo o rehaciendo en otro lugar, o se interrumpió.</translation>
    </message>
    <message>
        <source>“%1” was redone meanwhile.</source>
        <translation>%1: se rehízo mientras tanto.</translation>
    </message>
    <message>
        <source>“%1” was undone meanwhile.</source>
        <translation>%1: se deshizo mientras tanto.</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete for &amp;Good</source>
        <translation>Eliminar &amp;definitivamente</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Rena&amp;me</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>Create &amp;Link</source>
        <translation>Crear en&amp;lace</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Re&amp;staurar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>New &amp;Folder</source>
        <translation>Nue&amp;va carpeta</translation>
    </message>
</context>
<context>
    <name>VolumeMonitor</name>
    <message>
        <source>Network Share</source>
        <translation>Recurso compartido de red</translation>
    </message>
    <message>
        <source>CD/DVD Drive</source>
        <translation>Unidad de CD/DVD</translation>
    </message>
    <message>
        <source>Encrypted Volume</source>
        <translation>Volumen cifrado</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>Disco extraíble</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation>Disco local</translation>
    </message>
    <message>
        <source>The volume is no longer there.</source>
        <translation>El volumen ya no está.</translation>
    </message>
    <message>
        <source>The volume is not mounted.</source>
        <translation>El volumen no está montado.</translation>
    </message>
    <message>
        <source>The volume cannot be ejected.</source>
        <translation>El volumen no se puede expulsar.</translation>
    </message>
    <message>
        <source>The drive cannot be removed safely from here.</source>
        <translation>La unidad no se puede quitar de forma segura desde aquí.</translation>
    </message>
    <message>
        <source>The volume is in use.</source>
        <translation>El volumen está en uso.</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>La operación no se pudo realizar.</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>Tamaño total</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Local Disk</source>
        <translation type="vanished">Disco local</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Home Folder</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>Network Drive</source>
        <translation type="vanished">Unidad de red</translation>
    </message>
    <message>
        <source>Local Disk (%1)</source>
        <translation type="vanished">Disco local (%1)</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Original Location</source>
        <translation>Ubicación original</translation>
    </message>
    <message>
        <source>Date Deleted</source>
        <translation>Fecha de eliminación</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Preparada</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (predeterminada)</translation>
    </message>
</context>
<context>
    <name>frmExplore</name>
    <message>
        <source>Back</source>
        <translation type="vanished">Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="vanished">Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="vanished">Personal</translation>
    </message>
</context>
<context>
    <name>tarnwick::CredentialsDialog</name>
    <message>
        <source>Log In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>The server refused the last try. Check the user name and the password.</source>
        <translation>El servidor rechazó el último intento. Compruebe el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>The server asks who you are.</source>
        <translation>El servidor le pide que se identifique.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>&amp;Domain:</source>
        <translation>&amp;Dominio:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>&amp;Recordar contraseña</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Recordar contraseña</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>&amp;Log In</source>
        <translation>&amp;Iniciar sesión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tarnwick::DataSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::DisconnectNetworkDriveDialog</name>
    <message>
        <source>Disconnect Network Drive</source>
        <translation>Desconectar unidad de red</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Network locations:</source>
        <translation>&amp;Ubicaciones de red:</translation>
    </message>
    <message>
        <source>Network locations</source>
        <translation>Ubicaciones de red</translation>
    </message>
    <message>
        <source>No network locations are connected.</source>
        <translation>No hay ninguna ubicación de red conectada.</translation>
    </message>
    <message>
        <source>No network locations</source>
        <translation>No hay ubicaciones de red</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Disconnecting %1…</source>
        <translation>Desconectando %1…</translation>
    </message>
    <message>
        <source>%1 could not be disconnected. %2</source>
        <translation>No se pudo desconectar %1. %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerCombo</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerListView</name>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>The folder “%1” could not be read completely: %2.</source>
        <translation>No se pudo leer por completo la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>Files cannot be pasted into %1.</source>
        <translation>No se pueden pegar archivos en %1.</translation>
    </message>
    <message>
        <source>Renaming in place is turned off.</source>
        <translation>El cambio de nombre directo está desactivado.</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Abrir c&amp;on</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>Abrir terminal a&amp;quí</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>“%1” could not be started.</source>
        <translation>No se pudo iniciar «%1».</translation>
    </message>
    <message>
        <source>There is nothing to open for “%1”.</source>
        <translation>No hay nada que abrir para «%1».</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>&amp;Vaciar Papelera de reciclaje</translation>
    </message>
</context>
<context>
    <name>tarnwick::ExplorerTreeView</name>
    <message>
        <source>Waiting for %1...</source>
        <translation>Esperando a %1...</translation>
    </message>
    <message>
        <source>%1 was connected, but its folder %2 does not answer.</source>
        <translation>%1 se conectó, pero su carpeta %2 no responde.</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be deleted.</source>
        <translation>«%1» es un volumen completo y no se puede eliminar.</translation>
    </message>
    <message>
        <source>“%1” is a whole volume and cannot be renamed here.</source>
        <translation>«%1» es un volumen completo y no se le puede cambiar el nombre aquí.</translation>
    </message>
    <message>
        <source>Open Terminal &amp;Here</source>
        <translation>Abrir terminal a&amp;quí</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>The volume of %1 is no longer there, so My Computer is shown.</source>
        <translation>El volumen de %1 ya no está, así que se muestra Mi PC.</translation>
    </message>
    <message>
        <source>The connection to “%1” was lost, so My Computer is shown.</source>
        <translation>Se perdió la conexión con «%1», así que se muestra Mi PC.</translation>
    </message>
    <message>
        <source>You do not have permission to open the folder “%1”.</source>
        <translation>No tiene permiso para abrir la carpeta «%1».</translation>
    </message>
    <message>
        <source>“%1” is in use, so it was left mounted. Close the files and programs that use it, then try again.</source>
        <translation>«%1» está en uso, así que se dejó montado. Cierre los archivos y programas que lo usan y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>This window has left %1, which was open on it.</source>
        <translation>Esta ventana ha salido de %1, que estaba abierto en ella.</translation>
    </message>
    <message>
        <source>U&amp;nmount</source>
        <translation>Des&amp;montar</translation>
    </message>
    <message>
        <source>E&amp;ject</source>
        <translation>E&amp;xpulsar</translation>
    </message>
    <message>
        <source>Safel&amp;y Remove</source>
        <translation>Quitar de forma se&amp;gura</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>Unlock Volume</source>
        <translation>Desbloquear volumen</translation>
    </message>
    <message>
        <source>Passphrase:</source>
        <translation>Frase de contraseña:</translation>
    </message>
    <message>
        <source>Empty Recycle &amp;Bin</source>
        <translation>&amp;Vaciar Papelera de reciclaje</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileManagerService</name>
    <message>
        <source>“%1” is neither an address nor an absolute path.</source>
        <translation>«%1» no es ni una dirección ni una ruta absoluta.</translation>
    </message>
    <message>
        <source>No window could be started for %1.</source>
        <translation>No se pudo abrir ninguna ventana para %1.</translation>
    </message>
    <message>
        <source>One request opens at most %1 windows; not opened: %2.</source>
        <translation>Una petición abre como máximo %1 ventanas; no se abrieron: %2.</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileOpener</name>
    <message>
        <source>No application is set to open “%1”.</source>
        <translation>No hay ninguna aplicación configurada para abrir «%1».</translation>
    </message>
    <message>
        <source>Choose the application to open “%1” with.</source>
        <translation>Elija la aplicación con la que abrir «%1».</translation>
    </message>
    <message>
        <source>“%1” could not be opened: %2</source>
        <translation>No se pudo abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Run “%1”?</source>
        <translation>¿Ejecutar «%1»?</translation>
    </message>
    <message>
        <source>It is a program. Run it only if you trust where it came from.</source>
        <translation>Es un programa. Ejecútelo solo si confía en su procedencia.</translation>
    </message>
    <message>
        <source>It is a launcher: it starts “%1” with the command %2. Run it only if you trust where it came from.</source>
        <translation>Es un lanzador: inicia «%1» con la orden %2. Ejecútelo solo si confía en su procedencia.</translation>
    </message>
    <message>
        <source>No terminal was found. Set the TERMINAL variable to the one you use.</source>
        <translation>No se encontró ninguna terminal. Asigne a la variable TERMINAL la que usa.</translation>
    </message>
    <message>
        <source>No terminal could be started in “%1”: %2</source>
        <translation>No se pudo iniciar una terminal en «%1»: %2</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>No se puede leer.</translation>
    </message>
    <message>
        <source>The application is gone.</source>
        <translation>La aplicación ya no está.</translation>
    </message>
    <message>
        <source>Other &amp;Application...</source>
        <translation>Otra &amp;aplicación...</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>Open as &amp;Text</source>
        <translation>Abrir como &amp;texto</translation>
    </message>
</context>
<context>
    <name>tarnwick::FileTransfer</name>
    <message>
        <source>Nothing was chosen.</source>
        <translation>No se eligió nada.</translation>
    </message>
    <message>
        <source>“%1” is not a full path.</source>
        <translation>«%1» no es una ruta completa.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be opened: %2.</source>
        <translation>No se puede abrir la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>«%1» ya no existe.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be copied into itself or into a folder inside it.</source>
        <translation>La carpeta «%1» no se puede copiar en sí misma ni en una carpeta que contenga.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be moved into itself or into a folder inside it.</source>
        <translation>La carpeta «%1» no se puede mover a sí misma ni a una carpeta que contenga.</translation>
    </message>
    <message>
        <source>“%1” is already in this folder.</source>
        <translation>«%1» ya está en esta carpeta.</translation>
    </message>
</context>
<context>
    <name>tarnwick::FindWindow</name>
    <message>
        <source>&amp;Named:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Named</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>*.txt; report</source>
        <translation>*.txt; informe</translation>
    </message>
    <message>
        <source>Wildcards * and ?, several patterns separated by &apos;;&apos;. Case is ignored.</source>
        <translation>Comodines * y ?; varios patrones separados por «;». No se distingue entre mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Con el &amp;texto:</translation>
    </message>
    <message>
        <source>Containing text</source>
        <translation>Con el texto</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Coincidir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Look in</source>
        <translation>Buscar en</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Buscar en:</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Incluir &amp;subcarpetas</translation>
    </message>
    <message>
        <source>F&amp;ind Now</source>
        <translation>Buscar &amp;ahora</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Type the folder to look in.</source>
        <translation>Escriba la carpeta en la que buscar.</translation>
    </message>
    <message>
        <source>Type the folder&apos;s full path, starting with “/”.</source>
        <translation>Escriba la ruta completa de la carpeta, empezando por «/».</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be searched: %2.</source>
        <translation>No se puede buscar en la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Detenido: %1</translation>
    </message>
    <message>
        <source>Look In</source>
        <translation>Buscar en</translation>
    </message>
    <message>
        <source>Find: All Files</source>
        <translation>Buscar: todos los archivos</translation>
    </message>
    <message>
        <source>Find: Files named %1</source>
        <translation>Buscar: archivos llamados %1</translation>
    </message>
    <message>
        <source>Look in binar&amp;y files too</source>
        <translation>Buscar también en archivos b&amp;inarios</translation>
    </message>
    <message>
        <source>1 item found</source>
        <translation>1 elemento encontrado</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items found</source>
        <translation>
            <numerusform>%Ln elemento encontrado</numerusform>
            <numerusform>%Ln elementos encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>No se pudo leer 1 carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>No se pudo leer %Ln carpeta</numerusform>
            <numerusform>No se pudieron leer %Ln carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open Containing &amp;Folder</source>
        <translation>Abrir carpeta &amp;contenedora</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation type="vanished">No se pudo abrir otra ventana: «%1» no se inició.</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start. %2</source>
        <translation>No se pudo abrir otra ventana: «%1» no se inició. %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::FolderModel</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Archivo %1</translation>
    </message>
    <message>
        <source>Broken link</source>
        <translation>Enlace roto</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>Archivo especial</translation>
    </message>
    <message>
        <source>%1 (link)</source>
        <translation>%1 (enlace)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
</context>
<context>
    <name>tarnwick::Form1</name>
    <message>
        <source>Print staging</source>
        <translation>Preparación de la impresión</translation>
    </message>
</context>
<context>
    <name>tarnwick::FoundItemsModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation>En la carpeta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
</context>
<context>
    <name>tarnwick::HistoryWindow</name>
    <message>
        <source>Cannot be undone</source>
        <translation>No se puede deshacer</translation>
    </message>
    <message>
        <source>Under way</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Deshecha</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecha</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Operation History</source>
        <translation>Historial de operaciones</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hacia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>tarnwick::MapNetworkDriveDialog</name>
    <message>
        <source>Map Network Drive</source>
        <translation>Conectar a unidad de red</translation>
    </message>
    <message>
        <source>Connect a shared folder on another computer, so that you can open it like one of your own folders.</source>
        <translation>Conecte una carpeta compartida de otro equipo para poder abrirla como una de sus propias carpetas.</translation>
    </message>
    <message>
        <source>About this dialog</source>
        <translation>Acerca de este cuadro de diálogo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>For example:
smb://server/share — a Windows or Samba share
sftp://user@server/folder — a folder reached over SSH
ftp://server/folder — an FTP server
dav://server/folder — a WebDAV folder (davs:// for a secure one)</source>
        <translation>Por ejemplo:
smb://servidor/recurso — un recurso compartido de Windows o Samba
sftp://usuario@servidor/carpeta — una carpeta accesible por SSH
ftp://servidor/carpeta — un servidor FTP
dav://servidor/carpeta — una carpeta WebDAV (davs:// si es segura)</translation>
    </message>
    <message>
        <source>Address forms</source>
        <translation>Formas de la dirección</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Conectando con %1…</translation>
    </message>
    <message>
        <source>%1 could not be connected.</source>
        <translation>No se pudo conectar %1.</translation>
    </message>
</context>
<context>
    <name>tarnwick::NamespaceModel</name>
    <message>
        <source>Home</source>
        <translation>Personal</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenWithDialog</name>
    <message>
        <source>&amp;Always use for this type</source>
        <translation>Usar &amp;siempre para este tipo</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Abrir con</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
</context>
<context>
    <name>tarnwick::Packer</name>
    <message>
        <source>“%1” could not be made. %2</source>
        <translation>No se pudo crear «%1». %2</translation>
    </message>
    <message>
        <source>“%1” could not be written. %2</source>
        <translation>No se pudo escribir «%1». %2</translation>
    </message>
    <message>
        <source>Could not pack “%1”.</source>
        <translation>No se pudo comprimir «%1».</translation>
    </message>
    <message>
        <source>“%1” could not be read. %2</source>
        <translation>No se pudo leer «%1». %2</translation>
    </message>
    <message>
        <source>It was made shorter while being packed.</source>
        <translation>Se acortó mientras se comprimía.</translation>
    </message>
    <message>
        <source>“%1” was left out. %2</source>
        <translation>Se omitió «%1». %2</translation>
    </message>
    <message>
        <source>It could not be written. %1</source>
        <translation>No se pudo escribir. %1</translation>
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
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Link to %1</source>
        <translation>Enlace a %1</translation>
    </message>
    <message>
        <source>Special file</source>
        <translation>Archivo especial</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Archivo %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2.</source>
        <translation>No se puede leer «%1»: %2.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Various types</source>
        <translation>Varios tipos</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Various folders</source>
        <translation>Varias carpetas</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Creado:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Último acceso:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propietario:</translation>
    </message>
    <message>
        <source>Various</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Grupo:</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ejecución</translation>
    </message>
    <message>
        <source>Only the owner can change the permissions.</source>
        <translation>Solo el propietario puede cambiar los permisos.</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permisos:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Counting… %1</source>
        <translation>Contando… %1</translation>
    </message>
    <message>
        <source>There is already an item named “%1” in this folder.</source>
        <translation>Ya hay un elemento llamado «%1» en esta carpeta.</translation>
    </message>
    <message>
        <source>Some changes could not be made.</source>
        <translation>No se pudieron hacer algunos cambios.</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln archivo</numerusform>
            <numerusform>%Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln carpeta</numerusform>
            <numerusform>%Ln carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>No se pudo leer 1 carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>No se pudo leer %Ln carpeta</numerusform>
            <numerusform>No se pudieron leer %Ln carpetas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::StatusBarPanel</name>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
</context>
<context>
    <name>tarnwick::ToolbarCustomizeDialog</name>
    <message>
        <source>Customize Toolbar</source>
        <translation>Personalizar barra de herramientas</translation>
    </message>
    <message>
        <source>Available buttons</source>
        <translation>Botones disponibles</translation>
    </message>
    <message>
        <source>Toolbar buttons</source>
        <translation>Botones de la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Add -&gt;</source>
        <translation>&amp;Agregar -&gt;</translation>
    </message>
    <message>
        <source>&lt;- &amp;Remove</source>
        <translation>&lt;- &amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Su&amp;bir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>R&amp;eset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>A&amp;vailable buttons:</source>
        <translation>Botones &amp;disponibles:</translation>
    </message>
    <message>
        <source>&amp;Toolbar buttons:</source>
        <translation>Botones de la barra de &amp;herramientas:</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>(blank button)</source>
        <translation>(botón en blanco)</translation>
    </message>
</context>
<context>
    <name>tarnwick::VolumePropertiesDialog</name>
    <message>
        <source>%1 Properties</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Mounted at:</source>
        <translation>Montado en:</translation>
    </message>
    <message>
        <source>Finding out...</source>
        <translation>Averiguando...</translation>
    </message>
    <message>
        <source>Not mounted</source>
        <translation>No montado</translation>
    </message>
    <message>
        <source>File system:</source>
        <translation>Sistema de archivos:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacidad:</translation>
    </message>
    <message>
        <source>Used space:</source>
        <translation>Espacio usado:</translation>
    </message>
    <message>
        <source>Free space:</source>
        <translation>Espacio libre:</translation>
    </message>
    <message>
        <source>Used space</source>
        <translation>Espacio usado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmAbout</name>
    <message>
        <source>Tarnwick icon</source>
        <translation>Icono de Tarnwick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Información del sistema...</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>The home page could not be opened: %1</source>
        <translation>No se pudo abrir la página web: %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmExplore</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Print staging</source>
        <translation>Preparación de la impresión</translation>
    </message>
    <message>
        <source>Which files the list shows, as patterns</source>
        <translation>Qué archivos muestra la lista, como patrones</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Toolbar strip</source>
        <translation>Franja de barras de herramientas</translation>
    </message>
    <message>
        <source>Small toolbar</source>
        <translation>Barra de herramientas pequeña</translation>
    </message>
    <message>
        <source>Large toolbar</source>
        <translation>Barra de herramientas grande</translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Another window could not be opened: “%1” did not start.</source>
        <translation>No se pudo abrir otra ventana: «%1» no se inició.</translation>
    </message>
    <message>
        <source>Go To Folder</source>
        <translation>Ir a la carpeta</translation>
    </message>
    <message>
        <source>Type the name of the path of the folder you want to open</source>
        <translation>Escriba la ruta de la carpeta que desea abrir</translation>
    </message>
    <message>
        <source>Printing Contents of %1</source>
        <translation>Imprimiendo el contenido de %1</translation>
    </message>
    <message>
        <source>Can not print this window</source>
        <translation>No se puede imprimir esta ventana</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Personal</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation>Páginas de opciones</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>&amp;Filtros</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>A&amp;rchivos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Display Small Tool Bar</source>
        <translation>Mostrar barra de herramientas pe&amp;queña</translation>
    </message>
    <message>
        <source>&amp;Display Large Tool Bar</source>
        <translation>Mostrar barra de herramientas gra&amp;nde</translation>
    </message>
    <message>
        <source>&amp;Display Status Bar</source>
        <translation>Mostrar barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Customize</source>
        <translation>&amp;Personalizar</translation>
    </message>
    <message>
        <source>Custom Filters</source>
        <translation>Filtros personalizados</translation>
    </message>
    <message>
        <source>Custom filter %1</source>
        <translation>Filtro personalizado %1</translation>
    </message>
    <message>
        <source>Allow Files to be Renamed</source>
        <translation>Permitir cambiar nombres de archivo</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Mostrar archivos ocultos</translation>
    </message>
    <message>
        <source>Show System Files</source>
        <translation>Mostrar archivos del sistema</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
</context>
</TS>
