<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Could not move %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another program, so Mirvale leaves it as it is. Rename or remove it to let Mirvale start at login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowseCardPanel</name>
    <message>
        <source>Browse Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ByteCountFormatter</name>
    <message>
        <source>Zero KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size below a kilobyte, such as &quot;512 bytes&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>%1 is the size&apos;s number, such as &quot;31.9&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 PB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 EB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardFolderBrowser</name>
    <message>
        <source>Loading…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardLineTitle</name>
    <message>
        <source>%1 — ejected by the system, pull it out and reinsert</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — unmounted</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — free space unknown</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2 free</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name, %2 its free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardReportText</name>
    <message>
        <source>Opened %1</source>
        <extracomment>%1 is the folder that the file manager shows, such as &quot;EOS_DIGITAL/DCIM/101CANON&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>%1 is the card&apos;s free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardRequests</name>
    <message>
        <source>no command runner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was stopped at quit</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 did not finish within %n seconds</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exited with status %2</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;; %2 a number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk session stopped before %1 finished mounting or unmounting</source>
        <extracomment>%1 is the card&apos;s name or device.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the disk system did not respond within %n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the disk session stopped before %1 could be unmounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not create a disk reference for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no mount path to unmount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardUnmounter</name>
    <message>
        <source>%1 is using %2: close its window on the card, then Unmount again</source>
        <extracomment>%1: a program (&quot;Dolphin&quot;), %2: the card&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 are using %2: close their windows on the card, then Unmount again</source>
        <extracomment>%1: programs (&quot;Dolphin and Konsole&quot;), %2: the card&apos;s name</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mirvale: unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlCommands</name>
    <message>
        <source>Mirvale is not running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cards takes only --json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open takes one CARD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eject takes one CARD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>get takes one KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set takes a KEY and a VALUE</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlInterface</name>
    <message>
        <source>No card matches &quot;%1&quot;; name a card by its name, mount path or device</source>
        <extracomment>%1 is what the caller named the card.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no outcome within %1; the card may still open</source>
        <extracomment>%1 is a time, such as &quot;45s&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not mounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays paused</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays watching</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: mirvalectl validate FILE

Decodes FILE as a Mirvale rules file and checks the rules as the settings window does.
Prints one line per finding, in order, as &apos;error: MESSAGE&apos; or &apos;warning: MESSAGE&apos;.

Exit status: 0 no errors (warnings allowed), 1 at least one error,
2 the file cannot be read or is not a rules file.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>validate takes exactly one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>validate needs a FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error: %1</source>
        <extracomment>A finding of `mirvalectl validate`; %1 is its message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resolve takes one CARD_DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resolve needs --rules FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resolve needs a CARD_DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not UTF-8; Mirvale reads only names in UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Coordinator</name>
    <message>
        <source>%1 does not answer: pull it out and insert it again</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was removed before it could be opened</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirvale settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your change could not be saved: %1</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is ejected (powered down but still in the slot); reinsert it to use it</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no readable card was found at %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That card is no longer mounted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Unmounted. The card can be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileManagerErrors</name>
    <message>
        <source>the file manager quit during the call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown file manager error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file manager is available to show folders. Mirvale needs one that offers org.freedesktop.FileManager1 on the desktop session; start or install one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileManagerStatus</name>
    <message>
        <source>File manager: —</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File manager: Checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File manager: found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File manager: %1</source>
        <extracomment>%1 is the file manager&apos;s name, as &quot;Files&quot; or &quot;Dolphin&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File manager: none found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstRunHint</name>
    <message>
        <source>Got it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Application May Also Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Removable Media Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xfce may also open a window or offer to import photos when you insert a card, and its setting is for every drive and medium, not camera cards only. To stop it: open Removable Drives and Media and turn off “Browse removable media when inserted” and, under Cameras, “Import digital photographs when connected”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open your desktop’s settings, find what happens when media is inserted, and choose to do nothing for photos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open Removable Media in Settings and set “Photos” to “Do nothing”.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HintBar</name>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JsonDocument</name>
    <message>
        <source>The data could not be read as JSON: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JsonGuard</name>
    <message>
        <source>The member %1 appears twice in the same object%2.</source>
        <extracomment>%1 is the member&apos;s name, %2 where the object is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is not valid JSON: %1</source>
        <extracomment>%1 is the JSON parser&apos;s own message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is nested more than %1 levels deep%2.</source>
        <extracomment>%1 is a number of levels, %2 where the data is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is not valid JSON: a NUL byte at offset %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is not valid JSON.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MirvaleError</name>
    <message>
        <source>File manager error: %1</source>
        <extracomment>%1 is the file manager&apos;s own message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder not found: %1</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk error: %1</source>
        <extracomment>%1 is the disk service&apos;s own message.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file manager did not respond in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rule matches this card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirvale is not allowed to control the file manager. Allow it in the desktop’s settings, or install or start another file manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still waiting for the file manager to answer an earlier request.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoTrayNotice</name>
    <message>
        <source>Mirvale is running without a tray icon: open it from the applications menu to change its settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotificationPanel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says as a report panel appears: the card&apos;s name, then the report.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the keyboard: the card&apos;s line in Mirvale&apos;s tray menu opens it, and Unmount there unmounts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the keyboard: the card&apos;s line in Mirvale&apos;s tray menu opens it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PosixFileAccess</name>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large (%2 bytes; at most %3 are read).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; grew too large while it was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be moved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Photos (DCIM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVCHD video (PRIVATE/AVCHD/BDMV/STREAM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sony XAVC (PRIVATE/M4ROOT/CLIP)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rule</name>
    <message>
        <source>Any card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card named %1</source>
        <extracomment>%1 is the card&apos;s name, as the rule matches it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → newest, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → newest</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleEditorControls</name>
    <message>
        <source>&amp;Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;When a card is inserted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card name from a mounted card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any card that contains the folder below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder to open on the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse card…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then open the newest folder inside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then select the newest file in that folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wi&amp;ndow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ca&amp;pture from front file manager window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring the window to the front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the mouse to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use current mouse position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide extras</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleEditorLogic</name>
    <message>
        <source>Smart (first that exists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick mounted card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width and Height must be whole numbers from 200 to 20000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left and Top must be whole numbers from -20000 to 20000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X and Y must be whole numbers from -20000 to 20000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That value is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a rule, or press + to add one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t Read the File Manager Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t read the front file manager window. Make sure a file manager window is open and Mirvale is allowed to control the file manager.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleListModel</name>
    <message>
        <source>Enabled: %1</source>
        <extracomment>What a screen reader says for a rule&apos;s check box; %1 is the rule&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A rule&apos;s second line: which cards it matches, then what it opens.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleListPane</name>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrows choose a rule, Space turns it on or off, Alt+Up and Alt+Down move it, Delete removes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s tooltip: what it does and its key, as &quot;Add rule (Ctrl+N)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the desktop does not mount a card within moments of its insertion, Mirvale mounts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show reports as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show reports as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirvale&apos;s panels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop&apos;s notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move rule up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move rule down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open cards already inserted at launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a panel when a card opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Unmount in the menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleTransfer</name>
    <message>
        <source>Couldn’t import “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t export “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not valid JSON (line %1, column %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule %1: %2.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule %1, “%2”: %3.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 the setting&apos;s name as the file spells it, %3 what is wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleValidator</name>
    <message>
        <source>%1: %2 must be between %3 and %4.</source>
        <extracomment>%1 is the rule&apos;s name, %2 the value&apos;s name (&quot;placement width&quot;), %3 and %4 numbers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: rule name cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: card name cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: custom folder path cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: custom folder path must be relative to the card, not absolute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: custom folder path cannot contain &quot;..&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>placement width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>placement height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>placement left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>placement top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mouse warp x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mouse warp y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches the same card and folder as &quot;%2&quot;.</source>
        <extracomment>%1 and %2 are rules&apos; names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: duplicate rule id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one &quot;any card, smart folder&quot; rule; only the first can ever match.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesFormat</name>
    <message>
        <source> at the top level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number with a fraction or exponent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an integer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unsupported value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected %1 but found %2%3.</source>
        <extracomment>%1 and %2 are kinds of value (&quot;a string&quot;), %3 where it is (&quot; at rules[2].name&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A required value is missing%1.</source>
        <extracomment>%1 is where the value is missing (&quot; at rules[2].name&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number %1 does not fit a 64-bit integer%2.</source>
        <extracomment>%1 is a number, %2 where it is (&quot; at rules[2].placement.left&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rule id is not a UUID in 8-4-4-4-12 form%1.</source>
        <extracomment>%1 is where the id is (&quot; at rules[2].id&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown VolumeMatch kind &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Preset &quot;%1&quot;%2.</source>
        <extracomment>%1 is the value found, %2 where it is (&quot; at rules[2].subfolder.preset&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Subfolder kind &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an array of rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a settings object</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingKeys</name>
    <message>
        <source>%1 takes true or false, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes panels or desktop, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;; the settings are: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsBottomBar</name>
    <message>
        <source>Save the rules (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes Before Importing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules. Importing reloads the rules list from disk, so unsaved changes would be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace all existing rules, or add the imported ones to the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to your rules?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can’t Save Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Mirvale Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindowModel</name>
    <message>
        <source>Mirvale opens camera cards; the desktop leaves them alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let the desktop open them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop also opens camera cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let Mirvale open them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop’s setting could not be changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Mirvale is running, but this desktop shows no tray icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To reach Mirvale, start it again: that opens its settings. From a terminal, mirvalectl lists the cards and pauses or resumes watching. If a tray is added to the desktop later, the icon shows there; some trays show it only after Mirvale is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusMenuModel</name>
    <message>
        <source>Unmount (removes it from this menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmount (keeps it in this menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cards inserted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Mirvale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Subfolder</name>
    <message>
        <source>Smart (DCIM / AVCHD / XAVC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no folder)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TargetResolver</name>
    <message>
        <source>%1 not found on this card, opened the card instead</source>
        <extracomment>%1 is the folder the rule expects, such as &quot;DCIM&quot; or &quot;DCIM, AVCHD, or XAVC&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestMenuModel</name>
    <message>
        <source>Test rule on card…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Update to %1…</source>
        <extracomment>A menu entry; %1 is the version, such as &quot;1.4.2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValidationDisplay</name>
    <message numerus="yes">
        <source> (+%n more errors)</source>
        <extracomment>Follows a rule&apos;s first error, with a space before it: how many more there are.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (+%n more warnings)</source>
        <extracomment>Follows a rule&apos;s first warning, with a space before it: how many more there are.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Saved. Rules take effect on the next card insert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn’t save settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules not saved: %1</source>
        <extracomment>%1 is the reason, a whole sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
