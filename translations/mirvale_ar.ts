<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
    <name>Coordinator</name>
    <message>
        <source>%1 does not answer: pull it out and insert it again</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
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
    <name>FirstRunHint</name>
    <message>
        <source>Xfce may also open a window or offer to import photos when you insert a card, and its setting is for every drive and medium, not camera cards only. To stop it: open Removable Drives and Media and turn off ǋrowse removable media when inserted” and, under Cameras, “Import digital photographs when connected”.</source>
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
    <name>QObject</name>
    <message>
        <source>Name</source>
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
        <source>The folder to open on the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
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
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
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
</context>
</TS>
