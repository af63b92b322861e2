<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Could not move %1 to %2: %3</source>
        <translation>No se pudo mover %1 a %2: %3</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>No se pudo eliminar %1: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another program, so Mirvale leaves it as it is. Rename or remove it to let Mirvale start at login.</source>
        <translation>%1 pertenece a otro programa, así que Mirvale lo deja como está. Cámbiele el nombre o elimínelo para que Mirvale se inicie con la sesión.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>BrowseCardPanel</name>
    <message>
        <source>Browse Card</source>
        <translation>Examinar la tarjeta</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ByteCountFormatter</name>
    <message>
        <source>Zero KB</source>
        <translation>Cero KB</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size below a kilobyte, such as &quot;512 bytes&quot;.</extracomment>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>%1 is the size&apos;s number, such as &quot;31.9&quot;.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <translation>%1 PB</translation>
    </message>
    <message>
        <source>%1 EB</source>
        <translation>%1 EB</translation>
    </message>
</context>
<context>
    <name>CardFolderBrowser</name>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
</context>
<context>
    <name>CardLineTitle</name>
    <message>
        <source>%1 — ejected by the system, pull it out and reinsert</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — expulsada por el sistema, extráigala y vuelva a insertarla</translation>
    </message>
    <message>
        <source>%1 — unmounted</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — desmontada</translation>
    </message>
    <message>
        <source>%1 — free space unknown</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — espacio libre desconocido</translation>
    </message>
    <message>
        <source>%1 — %2 free</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name, %2 its free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation>%1 — %2 libres</translation>
    </message>
</context>
<context>
    <name>CardReportText</name>
    <message>
        <source>Opened %1</source>
        <extracomment>%1 is the folder that the file manager shows, such as &quot;EOS_DIGITAL/DCIM/101CANON&quot;.</extracomment>
        <translation>Se abrió %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>%1 is the card&apos;s free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation>%1 libres</translation>
    </message>
</context>
<context>
    <name>CardRequests</name>
    <message>
        <source>no command runner</source>
        <translation>no hay ningún ejecutor de órdenes</translation>
    </message>
    <message>
        <source>%1 was stopped at quit</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>se detuvo %1 al salir</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not finish within %n seconds</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>
            <numerusform>%1 no terminó en %n segundo</numerusform>
            <numerusform>%1 no terminó en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>%1 terminó de forma inesperada</translation>
    </message>
    <message>
        <source>%1 exited with status %2</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;; %2 a number.</extracomment>
        <translation>%1 terminó con el estado %2</translation>
    </message>
    <message>
        <source>the disk session stopped before %1 finished mounting or unmounting</source>
        <extracomment>%1 is the card&apos;s name or device.</extracomment>
        <translation>la sesión de discos se detuvo antes de que %1 terminara de montarse o desmontarse</translation>
    </message>
    <message numerus="yes">
        <source>the disk system did not respond within %n seconds</source>
        <translation>
            <numerusform>el sistema de discos no respondió en %n segundo</numerusform>
            <numerusform>el sistema de discos no respondió en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk session stopped before %1 could be unmounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>la sesión de discos se detuvo antes de que se pudiera desmontar %1</translation>
    </message>
    <message>
        <source>could not create a disk reference for %1</source>
        <translation>no se pudo crear una referencia de disco para %1</translation>
    </message>
    <message>
        <source>no mount path to unmount</source>
        <translation>no hay ninguna ruta de montaje que desmontar</translation>
    </message>
</context>
<context>
    <name>CardUnmounter</name>
    <message>
        <source>%1 is using %2: close its window on the card, then Unmount again</source>
        <extracomment>%1: a program (&quot;Dolphin&quot;), %2: the card&apos;s name</extracomment>
        <translation>%1 está usando %2: cierre su ventana en la tarjeta y vuelva a pulsar Desmontar</translation>
    </message>
    <message>
        <source>%1 are using %2: close their windows on the card, then Unmount again</source>
        <extracomment>%1: programs (&quot;Dolphin and Konsole&quot;), %2: the card&apos;s name</extracomment>
        <translation>%1 están usando %2: cierre sus ventanas en la tarjeta y vuelva a pulsar Desmontar</translation>
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
        <translation>Uso: mirvale [OPCIÓN...]
Espera tarjetas de cámara y muestra las imágenes de cada una en el gestor de archivos.

Opciones:
  -h, --help                           muestra este resumen y sale
  --version                            muestra la versión y sale
  --snapshot-settings ARCHIVO [light]  dibuja la ventana de configuración en ARCHIVO (PNG) y sale

También se aceptan las opciones propias de Qt: -platform NAME, -display DISPLAY, -style STYLE, -session ID y las demás que documenta Qt.

Reglas y configuración: %1
Registro: %2
</translation>
    </message>
    <message>
        <source>mirvale: unknown option %1</source>
        <translation>mirvale: opción desconocida %1</translation>
    </message>
</context>
<context>
    <name>ControlCommands</name>
    <message>
        <source>Mirvale is not running</source>
        <translation>Mirvale no se está ejecutando</translation>
    </message>
    <message>
        <source>cards takes only --json</source>
        <translation>cards solo admite --json</translation>
    </message>
    <message>
        <source>open takes one CARD</source>
        <translation>open requiere una TARJETA</translation>
    </message>
    <message>
        <source>eject takes one CARD</source>
        <translation>eject requiere una TARJETA</translation>
    </message>
    <message>
        <source>get takes one KEY</source>
        <translation>get requiere una CLAVE</translation>
    </message>
    <message>
        <source>set takes a KEY and a VALUE</source>
        <translation>set requiere una CLAVE y un VALOR</translation>
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
        <translation>Órdenes para el Mirvale en ejecución:
  cards [--json]                     lista las tarjetas tal como las muestra el menú
  open TARJETA                       abre una tarjeta (un nombre, una ruta de montaje o un
                                     dispositivo), montándola antes si hace falta
  eject TARJETA                      desmonta una tarjeta
  pause | resume                     deja de vigilar las tarjetas o sigue vigilándolas
  settings                           muestra la ventana de configuración
  get CLAVE                          imprime el valor de un ajuste
  set CLAVE VALOR                    cambia un ajuste (true o false; reportWith:
                                     panels o desktop)
Estado de salida: 1 orden rechazada (el motivo, en la salida de error estándar),
4 Mirvale no se está ejecutando.
</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 no admite argumentos</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
</context>
<context>
    <name>ControlInterface</name>
    <message>
        <source>No card matches &quot;%1&quot;; name a card by its name, mount path or device</source>
        <extracomment>%1 is what the caller named the card.</extracomment>
        <translation>Ninguna tarjeta coincide con «%1»; indique una tarjeta por su nombre, ruta de montaje o dispositivo</translation>
    </message>
    <message>
        <source>no outcome within %1; the card may still open</source>
        <extracomment>%1 is a time, such as &quot;45s&quot;.</extracomment>
        <translation>sin resultado en %1; puede que la tarjeta aún se abra</translation>
    </message>
    <message>
        <source>%1 is not mounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 no está montada</translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays paused</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation>no se pudo guardar la configuración; Mirvale sigue en pausa</translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays watching</source>
        <translation>no se pudo guardar la configuración; Mirvale sigue vigilando</translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays paused</source>
        <translation>no se pudo guardar la configuración (%1); Mirvale sigue en pausa</translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays watching</source>
        <translation>no se pudo guardar la configuración (%1); Mirvale sigue vigilando</translation>
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
        <translation>uso: mirvalectl ORDEN [OPCIONES]

Órdenes:
  validate ARCHIVO                   comprueba un archivo de reglas (rules.json o una
                                     exportación)
  resolve --rules ARCHIVO [--name NOMBRE] DIR_TARJETA
                                     muestra lo que Mirvale abriría para una tarjeta

Ejecute «mirvalectl ORDEN --help» para ver los detalles de una orden.
</translation>
    </message>
    <message>
        <source>usage: mirvalectl validate FILE

Decodes FILE as a Mirvale rules file and checks the rules as the settings window does.
Prints one line per finding, in order, as &apos;error: MESSAGE&apos; or &apos;warning: MESSAGE&apos;.

Exit status: 0 no errors (warnings allowed), 1 at least one error,
2 the file cannot be read or is not a rules file.
</source>
        <translation>uso: mirvalectl validate ARCHIVO

Decodifica ARCHIVO como un archivo de reglas de Mirvale y comprueba las reglas como
lo hace la ventana de configuración.
Imprime una línea por cada hallazgo, en orden, como «error: MENSAJE» o
«advertencia: MENSAJE».

Estado de salida: 0 sin errores (se permiten advertencias), 1 al menos un error,
2 no se puede leer el archivo o no es un archivo de reglas.
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
        <translation>uso: mirvalectl resolve --rules ARCHIVO [--name NOMBRE_VOLUMEN] DIR_TARJETA

Trata DIR_TARJETA como una tarjeta montada llamada NOMBRE_VOLUMEN (de forma
predeterminada, el último componente de DIR_TARJETA), elige la primera regla de
ARCHIVO que coincida y resuelve la carpeta que se abrirá.
Imprime un objeto JSON: rule, ruleId, folder, relativePath, usedFallbackToRoot,
newestFolderName, newestFile, note y call (el método de org.freedesktop.FileManager1
que Mirvale llama para ello, con sus URI, su id de arranque y la colocación de la
ventana que aplica después; pruébelo con dbus-send).
Los diagnósticos van a la salida de error estándar, con el formato de línea del registro.

Estado de salida: 0 coincidió una regla, 3 no coincidió ninguna regla, 2 ARCHIVO
ilegible o no decodificable, o DIR_TARJETA no es un directorio.
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>validate takes exactly one FILE</source>
        <translation>validate requiere exactamente un ARCHIVO</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>validate needs a FILE</source>
        <translation>validate necesita un ARCHIVO</translation>
    </message>
    <message>
        <source>error: %1</source>
        <extracomment>A finding of `mirvalectl validate`; %1 is its message.</extracomment>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>resolve takes one CARD_DIR</source>
        <translation>resolve admite un solo DIR_TARJETA</translation>
    </message>
    <message>
        <source>resolve needs --rules FILE</source>
        <translation>resolve necesita --rules ARCHIVO</translation>
    </message>
    <message>
        <source>resolve needs a CARD_DIR</source>
        <translation>resolve necesita un DIR_TARJETA</translation>
    </message>
    <message>
        <source>%1 is not a directory</source>
        <translation>%1 no es un directorio</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not UTF-8; Mirvale reads only names in UTF-8</source>
        <translation>el argumento «%1» no está en UTF-8; Mirvale solo lee nombres en UTF-8</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ninguna orden</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
</context>
<context>
    <name>Coordinator</name>
    <message>
        <source>%1 does not answer: pull it out and insert it again</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 no responde: extráigala y vuelva a insertarla</translation>
    </message>
    <message>
        <source>%1 was removed before it could be opened</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>se extrajo %1 antes de que se pudiera abrir</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Mirvale settings</source>
        <translation>Configuración de Mirvale</translation>
    </message>
    <message>
        <source>Your change could not be saved: %1</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation>No se pudo guardar el cambio: %1</translation>
    </message>
    <message>
        <source>%1 is ejected (powered down but still in the slot); reinsert it to use it</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 está expulsada (apagada, pero aún en la ranura); vuelva a insertarla para usarla</translation>
    </message>
    <message>
        <source>no readable card was found at %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>no se encontró ninguna tarjeta legible en %1</translation>
    </message>
    <message>
        <source>That card is no longer mounted.</source>
        <translation>Esa tarjeta ya no está montada.</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Unmounted. The card can be removed.</source>
        <translation>Desmontada. Ya puede extraer la tarjeta.</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Mostrar la carpeta</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Desmontar</translation>
    </message>
</context>
<context>
    <name>FileManagerErrors</name>
    <message>
        <source>the file manager quit during the call</source>
        <translation>el gestor de archivos se cerró durante la llamada</translation>
    </message>
    <message>
        <source>unknown file manager error</source>
        <translation>error desconocido del gestor de archivos</translation>
    </message>
    <message>
        <source>No file manager is available to show folders. Mirvale needs one that offers org.freedesktop.FileManager1 on the desktop session; start or install one.</source>
        <translation>No hay ningún gestor de archivos disponible para mostrar carpetas. Mirvale necesita uno que ofrezca org.freedesktop.FileManager1 en la sesión del escritorio; inicie o instale uno.</translation>
    </message>
</context>
<context>
    <name>FileManagerStatus</name>
    <message>
        <source>File manager: —</source>
        <translation>Gestor de archivos: —</translation>
    </message>
    <message>
        <source>File manager: Checking…</source>
        <translation>Gestor de archivos: comprobando…</translation>
    </message>
    <message>
        <source>File manager: found</source>
        <translation>Gestor de archivos: encontrado</translation>
    </message>
    <message>
        <source>File manager: %1</source>
        <extracomment>%1 is the file manager&apos;s name, as &quot;Files&quot; or &quot;Dolphin&quot;.</extracomment>
        <translation>Gestor de archivos: %1</translation>
    </message>
    <message>
        <source>File manager: none found</source>
        <translation>Gestor de archivos: no se encontró ninguno</translation>
    </message>
</context>
<context>
    <name>FirstRunHint</name>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>Another Application May Also Open</source>
        <translation>Puede que otra aplicación también se abra</translation>
    </message>
    <message>
        <source>Open Removable Media Settings</source>
        <translation>Abrir la configuración de soportes extraíbles</translation>
    </message>
    <message>
        <source>Xfce may also open a window or offer to import photos when you insert a card, and its setting is for every drive and medium, not camera cards only. To stop it: open Removable Drives and Media and turn off “Browse removable media when inserted” and, under Cameras, “Import digital photographs when connected”.</source>
        <translation>Puede que Xfce también abra una ventana u ofrezca importar fotos al insertar una tarjeta, y su ajuste se aplica a todas las unidades y soportes, no solo a las tarjetas de cámara. Para evitarlo: abra Dispositivos y soportes extraíbles y desactive «Examinar los soportes extraíbles al insertarlos» y, en Cámaras, «Importar las fotografías digitales al conectarlas».</translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open your desktop’s settings, find what happens when media is inserted, and choose to do nothing for photos.</source>
        <translation>Es posible que su escritorio también abra una ventana o una aplicación al insertar una tarjeta. Para evitarlo: abra la configuración de su escritorio, busque qué ocurre al insertar soportes y elija no hacer nada con las fotos.</translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open Removable Media in Settings and set “Photos” to “Do nothing”.</source>
        <translation>Es posible que su escritorio también abra una ventana o una aplicación al insertar una tarjeta. Para evitarlo: abra «Soportes extraíbles» en Configuración y establezca «Fotos» en «No hacer nada».</translation>
    </message>
</context>
<context>
    <name>HintBar</name>
    <message>
        <source>Hint</source>
        <translation>Sugerencia</translation>
    </message>
</context>
<context>
    <name>JsonDocument</name>
    <message>
        <source>The data could not be read as JSON: %1</source>
        <translation>No se pudieron leer los datos como JSON: %1</translation>
    </message>
</context>
<context>
    <name>JsonGuard</name>
    <message>
        <source>The member %1 appears twice in the same object%2.</source>
        <extracomment>%1 is the member&apos;s name, %2 where the object is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation>El miembro %1 aparece dos veces en el mismo objeto%2.</translation>
    </message>
    <message>
        <source>The data is not valid JSON: %1</source>
        <extracomment>%1 is the JSON parser&apos;s own message.</extracomment>
        <translation>Los datos no son JSON válido: %1</translation>
    </message>
    <message>
        <source>The data is nested more than %1 levels deep%2.</source>
        <extracomment>%1 is a number of levels, %2 where the data is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation>Los datos están anidados en más de %1 niveles%2.</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> en %1</translation>
    </message>
    <message>
        <source>The data is not valid JSON: a NUL byte at offset %1.</source>
        <translation>Los datos no son JSON válido: hay un byte NUL en la posición %1.</translation>
    </message>
    <message>
        <source>The data is not valid JSON.</source>
        <translation>Los datos no son JSON válido.</translation>
    </message>
</context>
<context>
    <name>MirvaleError</name>
    <message>
        <source>File manager error: %1</source>
        <extracomment>%1 is the file manager&apos;s own message.</extracomment>
        <translation>Error del gestor de archivos: %1</translation>
    </message>
    <message>
        <source>Folder not found: %1</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>No se encontró la carpeta: %1</translation>
    </message>
    <message>
        <source>Disk error: %1</source>
        <extracomment>%1 is the disk service&apos;s own message.</extracomment>
        <translation>Error de disco: %1</translation>
    </message>
    <message>
        <source>The file manager did not respond in time.</source>
        <translation>El gestor de archivos no respondió a tiempo.</translation>
    </message>
    <message>
        <source>No rule matches this card.</source>
        <translation>Ninguna regla coincide con esta tarjeta.</translation>
    </message>
    <message>
        <source>Mirvale is not allowed to control the file manager. Allow it in the desktop’s settings, or install or start another file manager.</source>
        <translation>Mirvale no tiene permiso para controlar el gestor de archivos. Permítaselo en la configuración del escritorio, o instale o inicie otro gestor de archivos.</translation>
    </message>
    <message>
        <source>Still waiting for the file manager to answer an earlier request.</source>
        <translation>Aún se espera a que el gestor de archivos responda a una solicitud anterior.</translation>
    </message>
</context>
<context>
    <name>NoTrayNotice</name>
    <message>
        <source>Mirvale is running without a tray icon: open it from the applications menu to change its settings</source>
        <translation>Mirvale se está ejecutando sin icono en la bandeja del sistema: ábralo desde el menú de aplicaciones para cambiar su configuración</translation>
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
        <translation>Desde el teclado: la línea de la tarjeta en el menú de la bandeja de Mirvale la abre, y Desmontar, allí mismo, la desmonta.</translation>
    </message>
    <message>
        <source>From the keyboard: the card&apos;s line in Mirvale&apos;s tray menu opens it.</source>
        <translation>Desde el teclado: la línea de la tarjeta en el menú de la bandeja de Mirvale la abre.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>Desmontar</translation>
    </message>
</context>
<context>
    <name>PosixFileAccess</name>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2.</source>
        <translation>No se pudo guardar el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created: %2.</source>
        <translation>No se pudo crear la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: it is not a regular file.</source>
        <translation>No se pudo leer el archivo «%1»: no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large (%2 bytes; at most %3 are read).</source>
        <translation>El archivo «%1» es demasiado grande (%2 bytes; se leen como máximo %3).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; grew too large while it was read.</source>
        <translation>El archivo «%1» creció demasiado mientras se leía.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be moved: %2.</source>
        <translation>No se pudo mover el archivo «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Photos (DCIM)</source>
        <translation>Fotos (DCIM)</translation>
    </message>
    <message>
        <source>AVCHD video (PRIVATE/AVCHD/BDMV/STREAM)</source>
        <translation>Vídeo AVCHD (PRIVATE/AVCHD/BDMV/STREAM)</translation>
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
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Rule</name>
    <message>
        <source>Any card</source>
        <translation>Cualquier tarjeta</translation>
    </message>
    <message>
        <source>Card named %1</source>
        <extracomment>%1 is the card&apos;s name, as the rule matches it.</extracomment>
        <translation>Tarjeta llamada %1</translation>
    </message>
    <message>
        <source>%1 → newest, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1 → la más reciente, seleccionar el último archivo</translation>
    </message>
    <message>
        <source>%1 → newest</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1 → la más reciente</translation>
    </message>
    <message>
        <source>%1, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1, seleccionar el último archivo</translation>
    </message>
</context>
<context>
    <name>RuleEditorControls</name>
    <message>
        <source>&amp;Rule</source>
        <translation>&amp;Regla</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>&amp;When a card is inserted</source>
        <translation>&amp;Al insertar una tarjeta</translation>
    </message>
    <message>
        <source>Card named</source>
        <translation>Tarjeta llamada</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nombre de la tarjeta</translation>
    </message>
    <message>
        <source>Card name from a mounted card</source>
        <translation>Nombre de una tarjeta montada</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Activador</translation>
    </message>
    <message>
        <source>Any card that contains the folder below</source>
        <translation>Cualquier tarjeta que contenga la carpeta de abajo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>The folder to open on the card</source>
        <translation>La carpeta que se abrirá en la tarjeta</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>&amp;Browse card…</source>
        <translation>Exa&amp;minar la tarjeta…</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Then open the newest folder inside it</source>
        <translation>Después, abrir la carpeta más reciente dentro de ella</translation>
    </message>
    <message>
        <source>Then select the newest file in that folder</source>
        <translation>Después, seleccionar el archivo más reciente de esa carpeta</translation>
    </message>
    <message>
        <source>Wi&amp;ndow</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>Place the window</source>
        <translation>Colocar la ventana</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Ca&amp;pture from front file manager window</source>
        <translation>Ca&amp;pturar de la ventana del gestor de archivos en primer plano</translation>
    </message>
    <message>
        <source>Bring the window to the front</source>
        <translation>Traer la ventana al frente</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Move the mouse to</source>
        <translation>Mover el ratón a</translation>
    </message>
    <message>
        <source>&amp;Use current mouse position</source>
        <translation>&amp;Usar la posición actual del ratón</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
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
        <translation>&amp;Ocultar extras</translation>
    </message>
</context>
<context>
    <name>RuleEditorLogic</name>
    <message>
        <source>Smart (first that exists)</source>
        <translation>Inteligente (la primera que exista)</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Personalizada…</translation>
    </message>
    <message>
        <source>Pick mounted card</source>
        <translation>Elegir una tarjeta montada</translation>
    </message>
    <message>
        <source>Width and Height must be whole numbers from 200 to 20000.</source>
        <translation>Anchura y Altura deben ser números enteros de 200 a 20000.</translation>
    </message>
    <message>
        <source>Left and Top must be whole numbers from -20000 to 20000.</source>
        <translation>Izquierda y Arriba deben ser números enteros de -20000 a 20000.</translation>
    </message>
    <message>
        <source>X and Y must be whole numbers from -20000 to 20000.</source>
        <translation>X e Y deben ser números enteros de -20000 a 20000.</translation>
    </message>
    <message>
        <source>That value is out of range.</source>
        <translation>Ese valor está fuera de rango.</translation>
    </message>
    <message>
        <source>Select a rule, or press + to add one.</source>
        <translation>Seleccione una regla, o pulse + para añadir una.</translation>
    </message>
    <message>
        <source>Couldn’t Read the File Manager Window</source>
        <translation>No se pudo leer la ventana del gestor de archivos</translation>
    </message>
    <message>
        <source>Couldn’t read the front file manager window. Make sure a file manager window is open and Mirvale is allowed to control the file manager.</source>
        <translation>No se pudo leer la ventana del gestor de archivos en primer plano. Asegúrese de que hay una ventana del gestor de archivos abierta y de que Mirvale tiene permiso para controlar el gestor de archivos.</translation>
    </message>
</context>
<context>
    <name>RuleListModel</name>
    <message>
        <source>Enabled: %1</source>
        <extracomment>What a screen reader says for a rule&apos;s check box; %1 is the rule&apos;s name.</extracomment>
        <translation>Activada: %1</translation>
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
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Arrows choose a rule, Space turns it on or off, Alt+Up and Alt+Down move it, Delete removes it.</source>
        <translation>Las flechas eligen una regla, Espacio la activa o desactiva, Alt+Arriba y Alt+Abajo la mueven, Suprimir la quita.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s tooltip: what it does and its key, as &quot;Add rule (Ctrl+N)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation>Montar las tarjetas al insertarlas</translation>
    </message>
    <message>
        <source>When the desktop does not mount a card within moments of its insertion, Mirvale mounts it.</source>
        <translation>Si el escritorio no monta una tarjeta a los pocos instantes de insertarla, Mirvale la monta.</translation>
    </message>
    <message>
        <source>Show reports as:</source>
        <translation>Mostrar los informes como:</translation>
    </message>
    <message>
        <source>Show reports as</source>
        <translation>Mostrar los informes como</translation>
    </message>
    <message>
        <source>Mirvale&apos;s panels</source>
        <translation>los paneles de Mirvale</translation>
    </message>
    <message>
        <source>the desktop&apos;s notifications</source>
        <translation>las notificaciones del escritorio</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Añadir regla</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Quitar regla</translation>
    </message>
    <message>
        <source>Move rule up</source>
        <translation>Subir regla</translation>
    </message>
    <message>
        <source>Move rule down</source>
        <translation>Bajar regla</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>Open cards already inserted at launch</source>
        <translation>Abrir las tarjetas ya insertadas al iniciar</translation>
    </message>
    <message>
        <source>Show a panel when a card opens</source>
        <translation>Mostrar un panel al abrir una tarjeta</translation>
    </message>
    <message>
        <source>Show Unmount in the menu</source>
        <translation>Mostrar Desmontar en el menú</translation>
    </message>
</context>
<context>
    <name>RuleTransfer</name>
    <message>
        <source>Couldn’t import “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se pudo importar «%1»</translation>
    </message>
    <message>
        <source>Couldn’t export “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se pudo exportar «%1»</translation>
    </message>
    <message>
        <source>The file is not valid JSON (line %1, column %2).</source>
        <translation>El archivo no es JSON válido (línea %1, columna %2).</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>El archivo no es JSON válido.</translation>
    </message>
    <message>
        <source>Rule %1: %2.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 what is wrong with it.</extracomment>
        <translation>Regla %1: %2.</translation>
    </message>
    <message>
        <source>Rule %1, “%2”: %3.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 the setting&apos;s name as the file spells it, %3 what is wrong.</extracomment>
        <translation>Regla %1, «%2»: %3.</translation>
    </message>
</context>
<context>
    <name>RuleValidator</name>
    <message>
        <source>%1: %2 must be between %3 and %4.</source>
        <extracomment>%1 is the rule&apos;s name, %2 the value&apos;s name (&quot;placement width&quot;), %3 and %4 numbers.</extracomment>
        <translation>%1: %2 debe estar entre %3 y %4.</translation>
    </message>
    <message>
        <source>%1: rule name cannot be empty.</source>
        <translation>%1: el nombre de la regla no puede estar vacío.</translation>
    </message>
    <message>
        <source>%1: card name cannot be empty.</source>
        <translation>%1: el nombre de la tarjeta no puede estar vacío.</translation>
    </message>
    <message>
        <source>%1: custom folder path cannot be empty.</source>
        <translation>%1: la ruta de la carpeta personalizada no puede estar vacía.</translation>
    </message>
    <message>
        <source>%1: custom folder path must be relative to the card, not absolute.</source>
        <translation>%1: la ruta de la carpeta personalizada debe ser relativa a la tarjeta, no absoluta.</translation>
    </message>
    <message>
        <source>%1: custom folder path cannot contain &quot;..&quot;.</source>
        <translation>%1: la ruta de la carpeta personalizada no puede contener &quot;..&quot;.</translation>
    </message>
    <message>
        <source>placement width</source>
        <translation>anchura de la ventana</translation>
    </message>
    <message>
        <source>placement height</source>
        <translation>altura de la ventana</translation>
    </message>
    <message>
        <source>placement left</source>
        <translation>borde izquierdo de la ventana</translation>
    </message>
    <message>
        <source>placement top</source>
        <translation>borde superior de la ventana</translation>
    </message>
    <message>
        <source>mouse warp x</source>
        <translation>X del ratón</translation>
    </message>
    <message>
        <source>mouse warp y</source>
        <translation>Y del ratón</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches the same card and folder as &quot;%2&quot;.</source>
        <extracomment>%1 and %2 are rules&apos; names.</extracomment>
        <translation>«%1» coincide con la misma tarjeta y carpeta que «%2».</translation>
    </message>
    <message>
        <source>Untitled rule</source>
        <translation>Regla sin título</translation>
    </message>
    <message>
        <source>%1: duplicate rule id.</source>
        <translation>%1: id de regla duplicado.</translation>
    </message>
    <message>
        <source>More than one &quot;any card, smart folder&quot; rule; only the first can ever match.</source>
        <translation>Hay más de una regla «cualquier tarjeta, carpeta inteligente»; solo la primera puede llegar a coincidir.</translation>
    </message>
</context>
<context>
    <name>RulesFormat</name>
    <message>
        <source> at the top level</source>
        <translation> en el nivel superior</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> en %1</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>una matriz</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>una cadena</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>un booleano</translation>
    </message>
    <message>
        <source>a number with a fraction or exponent</source>
        <translation>un número con decimales o exponente</translation>
    </message>
    <message>
        <source>an integer</source>
        <translation>un entero</translation>
    </message>
    <message>
        <source>an unsupported value</source>
        <translation>un valor no admitido</translation>
    </message>
    <message>
        <source>Expected %1 but found %2%3.</source>
        <extracomment>%1 and %2 are kinds of value (&quot;a string&quot;), %3 where it is (&quot; at rules[2].name&quot;).</extracomment>
        <translation>Se esperaba %1, pero se encontró %2%3.</translation>
    </message>
    <message>
        <source>A required value is missing%1.</source>
        <extracomment>%1 is where the value is missing (&quot; at rules[2].name&quot;).</extracomment>
        <translation>Falta un valor obligatorio%1.</translation>
    </message>
    <message>
        <source>The number %1 does not fit a 64-bit integer%2.</source>
        <extracomment>%1 is a number, %2 where it is (&quot; at rules[2].placement.left&quot;).</extracomment>
        <translation>El número %1 no cabe en un entero de 64 bits%2.</translation>
    </message>
    <message>
        <source>The rule id is not a UUID in 8-4-4-4-12 form%1.</source>
        <extracomment>%1 is where the id is (&quot; at rules[2].id&quot;).</extracomment>
        <translation>El id de la regla no es un UUID con el formato 8-4-4-4-12%1.</translation>
    </message>
    <message>
        <source>Unknown VolumeMatch kind &quot;%1&quot;</source>
        <translation>Tipo de VolumeMatch desconocido «%1»</translation>
    </message>
    <message>
        <source>Unknown Preset &quot;%1&quot;%2.</source>
        <extracomment>%1 is the value found, %2 where it is (&quot; at rules[2].subfolder.preset&quot;).</extracomment>
        <translation>Preset desconocido «%1»%2.</translation>
    </message>
    <message>
        <source>Unknown Subfolder kind &quot;%1&quot;</source>
        <translation>Tipo de Subfolder desconocido «%1»</translation>
    </message>
    <message>
        <source>an array of rules</source>
        <translation>una matriz de reglas</translation>
    </message>
    <message>
        <source>a settings object</source>
        <translation>un objeto de configuración</translation>
    </message>
</context>
<context>
    <name>SettingKeys</name>
    <message>
        <source>%1 takes true or false, not &quot;%2&quot;</source>
        <translation>%1 admite true o false, no «%2»</translation>
    </message>
    <message>
        <source>%1 takes panels or desktop, not &quot;%2&quot;</source>
        <translation>%1 admite panels o desktop, no «%2»</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;; the settings are: %2</source>
        <translation>ajuste desconocido «%1»; los ajustes son: %2</translation>
    </message>
</context>
<context>
    <name>SettingsBottomBar</name>
    <message>
        <source>Save the rules (%1)</source>
        <translation>Guardar las reglas (%1)</translation>
    </message>
    <message>
        <source>&amp;Check…</source>
        <translation>&amp;Comprobar…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SettingsDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Save Changes Before Importing?</source>
        <translation>¿Guardar los cambios antes de importar?</translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules. Importing reloads the rules list from disk, so unsaved changes would be lost.</source>
        <translation>Hay cambios sin guardar en las reglas de Mirvale. Al importar, se vuelve a cargar la lista de reglas desde el disco, por lo que se perderían los cambios sin guardar.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Importar reglas</translation>
    </message>
    <message>
        <source>Replace all existing rules, or add the imported ones to the list?</source>
        <translation>¿Reemplazar todas las reglas existentes o añadir las importadas a la lista?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Export Rules</source>
        <translation>Exportar reglas</translation>
    </message>
    <message>
        <source>Save changes to your rules?</source>
        <translation>¿Guardar los cambios en las reglas?</translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules.</source>
        <translation>Hay cambios sin guardar en las reglas de Mirvale.</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Can’t Save Rules</source>
        <translation>No se pueden guardar las reglas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Mirvale Settings</source>
        <translation>Configuración de Mirvale</translation>
    </message>
</context>
<context>
    <name>SettingsWindowModel</name>
    <message>
        <source>Mirvale opens camera cards; the desktop leaves them alone</source>
        <translation>Mirvale abre las tarjetas de cámara; el escritorio no las toca</translation>
    </message>
    <message>
        <source>Let the desktop open them</source>
        <translation>Dejar que las abra el escritorio</translation>
    </message>
    <message>
        <source>The desktop also opens camera cards</source>
        <translation>El escritorio también abre las tarjetas de cámara</translation>
    </message>
    <message>
        <source>Let Mirvale open them</source>
        <translation>Dejar que las abra Mirvale</translation>
    </message>
    <message>
        <source>The desktop’s setting could not be changed: %1</source>
        <translation>No se pudo cambiar el ajuste del escritorio: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Mirvale is running, but this desktop shows no tray icons</source>
        <translation>Mirvale se está ejecutando, pero este escritorio no muestra iconos en la bandeja del sistema</translation>
    </message>
    <message>
        <source>To reach Mirvale, start it again: that opens its settings. From a terminal, mirvalectl lists the cards and pauses or resumes watching. If a tray is added to the desktop later, the icon shows there; some trays show it only after Mirvale is started again.</source>
        <translation>Para acceder a Mirvale, vuelva a iniciarlo: así se abre su configuración. Desde una terminal, mirvalectl lista las tarjetas y pausa o reanuda la vigilancia. Si más adelante se añade una bandeja del sistema al escritorio, el icono aparecerá allí; algunas bandejas solo lo muestran después de volver a iniciar Mirvale.</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login</source>
        <translation>No se pudo cambiar «Iniciar con la sesión»</translation>
    </message>
</context>
<context>
    <name>StatusMenuModel</name>
    <message>
        <source>Unmount (removes it from this menu)</source>
        <translation>Desmontar (la quita de este menú)</translation>
    </message>
    <message>
        <source>Unmount (keeps it in this menu)</source>
        <translation>Desmontar (la mantiene en este menú)</translation>
    </message>
    <message>
        <source>No cards inserted</source>
        <translation>No hay tarjetas insertadas</translation>
    </message>
    <message>
        <source>Pause watching</source>
        <translation>Pausar la vigilancia</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Iniciar con la sesión</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Mostrar el registro</translation>
    </message>
    <message>
        <source>Quit Mirvale</source>
        <translation>Salir de Mirvale</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
</context>
<context>
    <name>Subfolder</name>
    <message>
        <source>Smart (DCIM / AVCHD / XAVC)</source>
        <translation>Inteligente (DCIM / AVCHD / XAVC)</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <translation>(ninguna carpeta)</translation>
    </message>
</context>
<context>
    <name>TargetResolver</name>
    <message>
        <source>%1 not found on this card, opened the card instead</source>
        <extracomment>%1 is the folder the rule expects, such as &quot;DCIM&quot; or &quot;DCIM, AVCHD, or XAVC&quot;.</extracomment>
        <translation>no se encontró %1 en esta tarjeta; se abrió la tarjeta en su lugar</translation>
    </message>
</context>
<context>
    <name>TestMenuModel</name>
    <message>
        <source>Test rule on card…</source>
        <translation>Probar la regla en una tarjeta…</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Update to %1…</source>
        <extracomment>A menu entry; %1 is the version, such as &quot;1.4.2&quot;.</extracomment>
        <translation>Actualizar a %1…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
</context>
<context>
    <name>ValidationDisplay</name>
    <message numerus="yes">
        <source> (+%n more errors)</source>
        <extracomment>Follows a rule&apos;s first error, with a space before it: how many more there are.</extracomment>
        <translation>
            <numerusform> (+%n error más)</numerusform>
            <numerusform> (+%n errores más)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (+%n more warnings)</source>
        <extracomment>Follows a rule&apos;s first warning, with a space before it: how many more there are.</extracomment>
        <translation>
            <numerusform> (+%n advertencia más)</numerusform>
            <numerusform> (+%n advertencias más)</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved. Rules take effect on the next card insert.</source>
        <translation>Guardado. Las reglas se aplican a partir de la próxima tarjeta que se inserte.</translation>
    </message>
    <message>
        <source>Couldn’t save settings.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <source>Rules not saved: %1</source>
        <extracomment>%1 is the reason, a whole sentence.</extracomment>
        <translation>Reglas no guardadas: %1</translation>
    </message>
</context>
</TS>
