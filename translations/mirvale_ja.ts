<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Could not move %1 to %2: %3</source>
        <translation>%1 を %2 に移動できませんでした: %3</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 belongs to another program, so Mirvale leaves it as it is. Rename or remove it to let Mirvale start at login.</source>
        <translation>%1 は別のプログラムのファイルなので、Mirvale はそのままにしておきます。ログイン時に Mirvale を起動できるようにするには、名前を変更するか削除してください。</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 に書き込めませんでした: %2</translation>
    </message>
</context>
<context>
    <name>BrowseCardPanel</name>
    <message>
        <source>Browse Card</source>
        <translation>カードを参照</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ByteCountFormatter</name>
    <message>
        <source>Zero KB</source>
        <translation>0 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size below a kilobyte, such as &quot;512 bytes&quot;.</extracomment>
        <translation>
            <numerusform>%n バイト</numerusform>
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
        <translation>読み込み中…</translation>
    </message>
</context>
<context>
    <name>CardLineTitle</name>
    <message>
        <source>%1 — ejected by the system, pull it out and reinsert</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — システムによって取り出されました。抜いてから挿し直してください</translation>
    </message>
    <message>
        <source>%1 — unmounted</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — アンマウント済み</translation>
    </message>
    <message>
        <source>%1 — free space unknown</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name.</extracomment>
        <translation>%1 — 空き容量不明</translation>
    </message>
    <message>
        <source>%1 — %2 free</source>
        <extracomment>A card&apos;s line in the menu; %1 is the card&apos;s name, %2 its free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation>%1 — 空き %2</translation>
    </message>
</context>
<context>
    <name>CardReportText</name>
    <message>
        <source>Opened %1</source>
        <extracomment>%1 is the folder that the file manager shows, such as &quot;EOS_DIGITAL/DCIM/101CANON&quot;.</extracomment>
        <translation>%1 を開きました</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>%1 is the card&apos;s free space, such as &quot;31.9 GB&quot;.</extracomment>
        <translation>空き %1</translation>
    </message>
</context>
<context>
    <name>CardRequests</name>
    <message>
        <source>no command runner</source>
        <translation>コマンドの実行手段がありません</translation>
    </message>
    <message>
        <source>%1 was stopped at quit</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>%1 は終了時に停止されました</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not finish within %n seconds</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>
            <numerusform>%1 は %n 秒以内に完了しませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;.</extracomment>
        <translation>%1 がクラッシュしました</translation>
    </message>
    <message>
        <source>%1 exited with status %2</source>
        <extracomment>%1 is a command, such as &quot;udisksctl mount -b /dev/sdb1&quot;; %2 a number.</extracomment>
        <translation>%1 はステータス %2 で終了しました</translation>
    </message>
    <message>
        <source>the disk session stopped before %1 finished mounting or unmounting</source>
        <extracomment>%1 is the card&apos;s name or device.</extracomment>
        <translation>%1 のマウントまたはアンマウントが完了する前にディスクのセッションが停止しました</translation>
    </message>
    <message numerus="yes">
        <source>the disk system did not respond within %n seconds</source>
        <translation>
            <numerusform>ディスクシステムが %n 秒以内に応答しませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>the disk session stopped before %1 could be unmounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 をアンマウントする前にディスクのセッションが停止しました</translation>
    </message>
    <message>
        <source>could not create a disk reference for %1</source>
        <translation>%1 のディスク参照を作成できませんでした</translation>
    </message>
    <message>
        <source>no mount path to unmount</source>
        <translation>アンマウントするマウントパスがありません</translation>
    </message>
</context>
<context>
    <name>CardUnmounter</name>
    <message>
        <source>%1 is using %2: close its window on the card, then Unmount again</source>
        <extracomment>%1: a program (&quot;Dolphin&quot;), %2: the card&apos;s name</extracomment>
        <translation>%1 が %2 を使用しています: カード上のウィンドウを閉じてから、もう一度アンマウントしてください</translation>
    </message>
    <message>
        <source>%1 are using %2: close their windows on the card, then Unmount again</source>
        <extracomment>%1: programs (&quot;Dolphin and Konsole&quot;), %2: the card&apos;s name</extracomment>
        <translation>%1 が %2 を使用しています: それぞれのカード上のウィンドウを閉じてから、もう一度アンマウントしてください</translation>
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
        <translation>使い方: mirvale [オプション...]
カメラのカードが挿入されるのを待ち、各カードの写真をファイルマネージャーで表示します。

オプション:
  -h, --help                        この概要を表示して終了します
  --version                         バージョンを表示して終了します
  --snapshot-settings FILE [light]  設定ウィンドウを FILE (PNG) に描画して終了します

Qt 自体のオプションも使用できます: -platform NAME、-display DISPLAY、-style STYLE、-session ID、その他 Qt のドキュメントに記載されているオプション。

ルールと設定: %1
ログ: %2
</translation>
    </message>
    <message>
        <source>mirvale: unknown option %1</source>
        <translation>mirvale: 不明なオプション %1</translation>
    </message>
</context>
<context>
    <name>ControlCommands</name>
    <message>
        <source>Mirvale is not running</source>
        <translation>Mirvale は実行されていません</translation>
    </message>
    <message>
        <source>cards takes only --json</source>
        <translation>cards に指定できるのは --json だけです</translation>
    </message>
    <message>
        <source>open takes one CARD</source>
        <translation>open には CARD を 1 つ指定してください</translation>
    </message>
    <message>
        <source>eject takes one CARD</source>
        <translation>eject には CARD を 1 つ指定してください</translation>
    </message>
    <message>
        <source>get takes one KEY</source>
        <translation>get には KEY を 1 つ指定してください</translation>
    </message>
    <message>
        <source>set takes a KEY and a VALUE</source>
        <translation>set には KEY と VALUE を指定してください</translation>
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
        <translation>実行中の Mirvale に対するコマンド:
  cards [--json]                     メニューの表示どおりにカードを一覧表示します
  open CARD                          カード (名前、マウントパス、またはデバイス) を開きます。
                                     必要な場合は先にマウントします
  eject CARD                         カードをアンマウントします
  pause | resume                     カードの監視を停止または再開します
  settings                           設定ウィンドウを表示します
  get KEY                            設定の値を表示します
  set KEY VALUE                      設定を変更します (true または false。reportWith は
                                     panels または desktop)
終了ステータス: 1 拒否 (理由は標準エラー出力に表示)、4 Mirvale が実行されていない。
</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 は引数を取りません</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1</translation>
    </message>
</context>
<context>
    <name>ControlInterface</name>
    <message>
        <source>No card matches &quot;%1&quot;; name a card by its name, mount path or device</source>
        <extracomment>%1 is what the caller named the card.</extracomment>
        <translation>&quot;%1&quot; に一致するカードはありません。カードは名前、マウントパス、またはデバイスで指定してください</translation>
    </message>
    <message>
        <source>no outcome within %1; the card may still open</source>
        <extracomment>%1 is a time, such as &quot;45s&quot;.</extracomment>
        <translation>%1 以内に結果がありませんでした。カードはこの後で開く可能性があります</translation>
    </message>
    <message>
        <source>%1 is not mounted</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 はマウントされていません</translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays paused</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation>設定を保存できませんでした。Mirvale は一時停止したままです</translation>
    </message>
    <message>
        <source>could not save the settings; Mirvale stays watching</source>
        <translation>設定を保存できませんでした。Mirvale は監視を続けます</translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays paused</source>
        <translation>設定を保存できませんでした (%1)。Mirvale は一時停止したままです</translation>
    </message>
    <message>
        <source>could not save the settings (%1); Mirvale stays watching</source>
        <translation>設定を保存できませんでした (%1)。Mirvale は監視を続けます</translation>
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
        <translation>使い方: mirvalectl COMMAND [OPTIONS]

コマンド:
  validate FILE                      ルールファイル (rules.json またはエクスポートしたファイル) を検査します
  resolve --rules FILE [--name NAME] CARD_DIR
                                     カードに対して Mirvale が開くものを表示します

コマンドの詳細は &apos;mirvalectl COMMAND --help&apos; を実行して確認してください。
</translation>
    </message>
    <message>
        <source>usage: mirvalectl validate FILE

Decodes FILE as a Mirvale rules file and checks the rules as the settings window does.
Prints one line per finding, in order, as &apos;error: MESSAGE&apos; or &apos;warning: MESSAGE&apos;.

Exit status: 0 no errors (warnings allowed), 1 at least one error,
2 the file cannot be read or is not a rules file.
</source>
        <translation>使い方: mirvalectl validate FILE

FILE を Mirvale のルールファイルとしてデコードし、設定ウィンドウと同じようにルールを検査します。
検出した項目を順に 1 行ずつ、&apos;エラー: MESSAGE&apos; または &apos;警告: MESSAGE&apos; の形式で出力します。

終了ステータス: 0 エラーなし (警告は可)、1 エラーが 1 つ以上ある、
2 ファイルを読み込めないか、ルールファイルではない。
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
        <translation>使い方: mirvalectl resolve --rules FILE [--name VOLUME_NAME] CARD_DIR

CARD_DIR を VOLUME_NAME (既定値: CARD_DIR の最後の要素) という名前のマウントされたカードとして扱い、
FILE の中で最初に一致するルールを選んで、開くフォルダーを決定します。
JSON オブジェクトを 1 つ出力します: rule、ruleId、folder、relativePath、usedFallbackToRoot、
newestFolderName、newestFile、note、call (そのために Mirvale が呼び出す
org.freedesktop.FileManager1 のメソッドと、その URI、スタートアップ ID、その後で適用するウィンドウの配置。
dbus-send で試せます)。
診断メッセージはログの行形式で標準エラー出力に出力されます。

終了ステータス: 0 ルールが一致した、3 一致するルールがない、2 FILE を読み込めないかデコードできない、
または CARD_DIR がディレクトリではない。
</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>validate takes exactly one FILE</source>
        <translation>validate には FILE をちょうど 1 つ指定してください</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>validate needs a FILE</source>
        <translation>validate には FILE が必要です</translation>
    </message>
    <message>
        <source>error: %1</source>
        <extracomment>A finding of `mirvalectl validate`; %1 is its message.</extracomment>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>resolve takes one CARD_DIR</source>
        <translation>resolve には CARD_DIR を 1 つ指定してください</translation>
    </message>
    <message>
        <source>resolve needs --rules FILE</source>
        <translation>resolve には --rules FILE が必要です</translation>
    </message>
    <message>
        <source>resolve needs a CARD_DIR</source>
        <translation>resolve には CARD_DIR が必要です</translation>
    </message>
    <message>
        <source>%1 is not a directory</source>
        <translation>%1 はディレクトリではありません</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not UTF-8; Mirvale reads only names in UTF-8</source>
        <translation>引数 &quot;%1&quot; は UTF-8 ではありません。Mirvale は UTF-8 の名前しか読み込みません</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1</translation>
    </message>
</context>
<context>
    <name>Coordinator</name>
    <message>
        <source>%1 does not answer: pull it out and insert it again</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 が応答しません: 抜いてからもう一度挿入してください</translation>
    </message>
    <message>
        <source>%1 was removed before it could be opened</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 は開く前に取り外されました</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Mirvale settings</source>
        <translation>Mirvale の設定</translation>
    </message>
    <message>
        <source>Your change could not be saved: %1</source>
        <extracomment>%1 is the reason, such as the file system&apos;s message.</extracomment>
        <translation>変更を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>%1 is ejected (powered down but still in the slot); reinsert it to use it</source>
        <extracomment>%1 is the card&apos;s name.</extracomment>
        <translation>%1 は取り出されています (電源は切れていますが、スロットに入ったままです)。使用するには挿し直してください</translation>
    </message>
    <message>
        <source>no readable card was found at %1</source>
        <extracomment>%1 is a path.</extracomment>
        <translation>%1 に読み取り可能なカードが見つかりませんでした</translation>
    </message>
    <message>
        <source>That card is no longer mounted.</source>
        <translation>そのカードはもうマウントされていません。</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Unmounted. The card can be removed.</source>
        <translation>アンマウントしました。カードを取り外せます。</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>フォルダーを表示</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>アンマウント</translation>
    </message>
</context>
<context>
    <name>FileManagerErrors</name>
    <message>
        <source>the file manager quit during the call</source>
        <translation>呼び出しの途中でファイルマネージャーが終了しました</translation>
    </message>
    <message>
        <source>unknown file manager error</source>
        <translation>不明なファイルマネージャーのエラー</translation>
    </message>
    <message>
        <source>No file manager is available to show folders. Mirvale needs one that offers org.freedesktop.FileManager1 on the desktop session; start or install one.</source>
        <translation>フォルダーを表示できるファイルマネージャーがありません。Mirvale には、デスクトップセッションで org.freedesktop.FileManager1 を提供するファイルマネージャーが必要です。ファイルマネージャーを起動するか、インストールしてください。</translation>
    </message>
</context>
<context>
    <name>FileManagerStatus</name>
    <message>
        <source>File manager: —</source>
        <translation>ファイルマネージャー: —</translation>
    </message>
    <message>
        <source>File manager: Checking…</source>
        <translation>ファイルマネージャー: 確認中…</translation>
    </message>
    <message>
        <source>File manager: found</source>
        <translation>ファイルマネージャー: 検出されました</translation>
    </message>
    <message>
        <source>File manager: %1</source>
        <extracomment>%1 is the file manager&apos;s name, as &quot;Files&quot; or &quot;Dolphin&quot;.</extracomment>
        <translation>ファイルマネージャー: %1</translation>
    </message>
    <message>
        <source>File manager: none found</source>
        <translation>ファイルマネージャー: 見つかりません</translation>
    </message>
</context>
<context>
    <name>FirstRunHint</name>
    <message>
        <source>Got it</source>
        <translation>了解</translation>
    </message>
    <message>
        <source>Another Application May Also Open</source>
        <translation>別のアプリケーションも開く場合があります</translation>
    </message>
    <message>
        <source>Open Removable Media Settings</source>
        <translation>リムーバブルメディアの設定を開く</translation>
    </message>
    <message>
        <source>Xfce may also open a window or offer to import photos when you insert a card, and its setting is for every drive and medium, not camera cards only. To stop it: open Removable Drives and Media and turn off “Browse removable media when inserted” and, under Cameras, “Import digital photographs when connected”.</source>
        <translation>Xfce でも、カードを挿入したときにウィンドウが開いたり、写真の取り込みを提案されたりすることがあります。また、この設定はカメラのカードだけでなく、すべてのドライブとメディアに適用されます。止めるには、「リムーバブルドライブとメディア」を開き、「リムーバブルメディアが挿入されたら参照する」と、「カメラ」の下の「接続されたら写真を取り込む」をオフにしてください。</translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open your desktop’s settings, find what happens when media is inserted, and choose to do nothing for photos.</source>
        <translation>カードを挿入すると、デスクトップもウィンドウやアプリケーションを開く場合があります。これを止めるには、デスクトップの設定を開き、メディアを挿入したときの動作を探して、写真に対して「何もしない」を選択してください。</translation>
    </message>
    <message>
        <source>Your desktop may also open a window or an application when you insert a card. To stop that: open Removable Media in Settings and set “Photos” to “Do nothing”.</source>
        <translation>カードを挿入すると、デスクトップもウィンドウやアプリケーションを開く場合があります。これを止めるには、設定の「リムーバブルメディア」を開き、「写真」を「何もしない」に設定してください。</translation>
    </message>
</context>
<context>
    <name>HintBar</name>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
</context>
<context>
    <name>JsonDocument</name>
    <message>
        <source>The data could not be read as JSON: %1</source>
        <translation>データを JSON として読み込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>JsonGuard</name>
    <message>
        <source>The member %1 appears twice in the same object%2.</source>
        <extracomment>%1 is the member&apos;s name, %2 where the object is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation>メンバー %1 が同じオブジェクト内に 2 回出現しています%2。</translation>
    </message>
    <message>
        <source>The data is not valid JSON: %1</source>
        <extracomment>%1 is the JSON parser&apos;s own message.</extracomment>
        <translation>データが有効な JSON ではありません: %1</translation>
    </message>
    <message>
        <source>The data is nested more than %1 levels deep%2.</source>
        <extracomment>%1 is a number of levels, %2 where the data is (&quot; at rules[2]&quot;), or empty.</extracomment>
        <translation>データの入れ子が %1 階層を超えています%2。</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> (場所: %1)</translation>
    </message>
    <message>
        <source>The data is not valid JSON: a NUL byte at offset %1.</source>
        <translation>データが有効な JSON ではありません: オフセット %1 に NUL バイトがあります。</translation>
    </message>
    <message>
        <source>The data is not valid JSON.</source>
        <translation>データが有効な JSON ではありません。</translation>
    </message>
</context>
<context>
    <name>MirvaleError</name>
    <message>
        <source>File manager error: %1</source>
        <extracomment>%1 is the file manager&apos;s own message.</extracomment>
        <translation>ファイルマネージャーのエラー: %1</translation>
    </message>
    <message>
        <source>Folder not found: %1</source>
        <extracomment>%1 is the folder&apos;s path.</extracomment>
        <translation>フォルダーが見つかりません: %1</translation>
    </message>
    <message>
        <source>Disk error: %1</source>
        <extracomment>%1 is the disk service&apos;s own message.</extracomment>
        <translation>ディスクのエラー: %1</translation>
    </message>
    <message>
        <source>The file manager did not respond in time.</source>
        <translation>ファイルマネージャーが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>No rule matches this card.</source>
        <translation>このカードに一致するルールはありません。</translation>
    </message>
    <message>
        <source>Mirvale is not allowed to control the file manager. Allow it in the desktop’s settings, or install or start another file manager.</source>
        <translation>Mirvale にはファイルマネージャーを操作する許可がありません。デスクトップの設定で許可するか、別のファイルマネージャーをインストールするか起動してください。</translation>
    </message>
    <message>
        <source>Still waiting for the file manager to answer an earlier request.</source>
        <translation>ファイルマネージャーが以前のリクエストに応答するのをまだ待っています。</translation>
    </message>
</context>
<context>
    <name>NoTrayNotice</name>
    <message>
        <source>Mirvale is running without a tray icon: open it from the applications menu to change its settings</source>
        <translation>Mirvale はトレイアイコンなしで実行されています。設定を変更するには、アプリケーションメニューから Mirvale を開いてください</translation>
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
        <translation>キーボードからは、Mirvale のトレイメニューにあるカードの行でカードを開き、そこにある「アンマウント」でアンマウントできます。</translation>
    </message>
    <message>
        <source>From the keyboard: the card&apos;s line in Mirvale&apos;s tray menu opens it.</source>
        <translation>キーボードからは、Mirvale のトレイメニューにあるカードの行でカードを開けます。</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Unmount</source>
        <translation>アンマウント</translation>
    </message>
</context>
<context>
    <name>PosixFileAccess</name>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2.</source>
        <translation>ファイル &quot;%1&quot; を保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created: %2.</source>
        <translation>フォルダー &quot;%1&quot; を作成できませんでした: %2。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>ファイル &quot;%1&quot; を読み込めませんでした: %2。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: it is not a regular file.</source>
        <translation>ファイル &quot;%1&quot; を読み込めませんでした: 通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large (%2 bytes; at most %3 are read).</source>
        <translation>ファイル &quot;%1&quot; が大きすぎます (%2 バイト。読み込むのは最大 %3 バイトです)。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; grew too large while it was read.</source>
        <translation>ファイル &quot;%1&quot; は読み込み中に大きくなりすぎました。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be moved: %2.</source>
        <translation>ファイル &quot;%1&quot; を移動できませんでした: %2。</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Photos (DCIM)</source>
        <translation>写真 (DCIM)</translation>
    </message>
    <message>
        <source>AVCHD video (PRIVATE/AVCHD/BDMV/STREAM)</source>
        <translation>AVCHD 動画 (PRIVATE/AVCHD/BDMV/STREAM)</translation>
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
        <translation>すべてのカード</translation>
    </message>
    <message>
        <source>Card named %1</source>
        <extracomment>%1 is the card&apos;s name, as the rule matches it.</extracomment>
        <translation>名前が %1 のカード</translation>
    </message>
    <message>
        <source>%1 → newest, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1 → 最新、最後のファイルを選択</translation>
    </message>
    <message>
        <source>%1 → newest</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1 → 最新</translation>
    </message>
    <message>
        <source>%1, select last file</source>
        <extracomment>%1 is the folder, such as &quot;DCIM&quot;.</extracomment>
        <translation>%1、最後のファイルを選択</translation>
    </message>
</context>
<context>
    <name>RuleEditorControls</name>
    <message>
        <source>&amp;Rule</source>
        <translation>ルール(&amp;R)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>&amp;When a card is inserted</source>
        <translation>カードが挿入されたとき(&amp;W)</translation>
    </message>
    <message>
        <source>Card named</source>
        <translation>次の名前のカード</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>カード名</translation>
    </message>
    <message>
        <source>Card name from a mounted card</source>
        <translation>マウントされたカードからカード名を取得</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>トリガー</translation>
    </message>
    <message>
        <source>Any card that contains the folder below</source>
        <translation>下のフォルダーを含むすべてのカード</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>The folder to open on the card</source>
        <translation>カード上で開くフォルダー</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>&amp;Browse card…</source>
        <translation>カードを参照(&amp;B)…</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Then open the newest folder inside it</source>
        <translation>続いてその中の最新のフォルダーを開く</translation>
    </message>
    <message>
        <source>Then select the newest file in that folder</source>
        <translation>続いてそのフォルダー内の最新のファイルを選択する</translation>
    </message>
    <message>
        <source>Wi&amp;ndow</source>
        <translation>ウィンドウ(&amp;N)</translation>
    </message>
    <message>
        <source>Place the window</source>
        <translation>ウィンドウを配置する</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Ca&amp;pture from front file manager window</source>
        <translation>前面のファイルマネージャーのウィンドウから取得(&amp;P)</translation>
    </message>
    <message>
        <source>Bring the window to the front</source>
        <translation>ウィンドウを前面に表示する</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>追加機能(&amp;X)</translation>
    </message>
    <message>
        <source>Move the mouse to</source>
        <translation>マウスを次の位置に移動する</translation>
    </message>
    <message>
        <source>&amp;Use current mouse position</source>
        <translation>現在のマウス位置を使用(&amp;U)</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>座標</translation>
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
        <translation>追加機能を隠す(&amp;H)</translation>
    </message>
</context>
<context>
    <name>RuleEditorLogic</name>
    <message>
        <source>Smart (first that exists)</source>
        <translation>スマート (最初に存在するもの)</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>カスタム…</translation>
    </message>
    <message>
        <source>Pick mounted card</source>
        <translation>マウントされたカードを選択</translation>
    </message>
    <message>
        <source>Width and Height must be whole numbers from 200 to 20000.</source>
        <translation>幅と高さは 200 から 20000 までの整数で指定してください。</translation>
    </message>
    <message>
        <source>Left and Top must be whole numbers from -20000 to 20000.</source>
        <translation>左と上は -20000 から 20000 までの整数で指定してください。</translation>
    </message>
    <message>
        <source>X and Y must be whole numbers from -20000 to 20000.</source>
        <translation>X と Y は -20000 から 20000 までの整数で指定してください。</translation>
    </message>
    <message>
        <source>That value is out of range.</source>
        <translation>その値は範囲外です。</translation>
    </message>
    <message>
        <source>Select a rule, or press + to add one.</source>
        <translation>ルールを選択するか、+ を押して追加してください。</translation>
    </message>
    <message>
        <source>Couldn’t Read the File Manager Window</source>
        <translation>ファイルマネージャーのウィンドウを読み取れませんでした</translation>
    </message>
    <message>
        <source>Couldn’t read the front file manager window. Make sure a file manager window is open and Mirvale is allowed to control the file manager.</source>
        <translation>前面のファイルマネージャーのウィンドウを読み取れませんでした。ファイルマネージャーのウィンドウが開いていること、および Mirvale にファイルマネージャーを操作する許可があることを確認してください。</translation>
    </message>
</context>
<context>
    <name>RuleListModel</name>
    <message>
        <source>Enabled: %1</source>
        <extracomment>What a screen reader says for a rule&apos;s check box; %1 is the rule&apos;s name.</extracomment>
        <translation>有効: %1</translation>
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
        <translation>ルール</translation>
    </message>
    <message>
        <source>Arrows choose a rule, Space turns it on or off, Alt+Up and Alt+Down move it, Delete removes it.</source>
        <translation>矢印キーでルールを選択、Space で有効/無効を切り替え、Alt+Up と Alt+Down で移動、Delete で削除します。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s tooltip: what it does and its key, as &quot;Add rule (Ctrl+N)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Mount cards when they are inserted</source>
        <translation>カードが挿入されたらマウントする</translation>
    </message>
    <message>
        <source>When the desktop does not mount a card within moments of its insertion, Mirvale mounts it.</source>
        <translation>カードの挿入後すぐにデスクトップがマウントしない場合は、Mirvale がマウントします。</translation>
    </message>
    <message>
        <source>Show reports as:</source>
        <translation>レポートの表示方法:</translation>
    </message>
    <message>
        <source>Show reports as</source>
        <translation>レポートの表示方法</translation>
    </message>
    <message>
        <source>Mirvale&apos;s panels</source>
        <translation>Mirvale のパネル</translation>
    </message>
    <message>
        <source>the desktop&apos;s notifications</source>
        <translation>デスクトップの通知</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>ルールを追加</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>ルールを削除</translation>
    </message>
    <message>
        <source>Move rule up</source>
        <translation>ルールを上へ移動</translation>
    </message>
    <message>
        <source>Move rule down</source>
        <translation>ルールを下へ移動</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>インポート(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>エクスポート(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>全般(&amp;G)</translation>
    </message>
    <message>
        <source>Open cards already inserted at launch</source>
        <translation>起動時に挿入済みのカードを開く</translation>
    </message>
    <message>
        <source>Show a panel when a card opens</source>
        <translation>カードを開いたときにパネルを表示する</translation>
    </message>
    <message>
        <source>Show Unmount in the menu</source>
        <translation>メニューに「アンマウント」を表示する</translation>
    </message>
</context>
<context>
    <name>RuleTransfer</name>
    <message>
        <source>Couldn’t import “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>「%1」をインポートできませんでした</translation>
    </message>
    <message>
        <source>Couldn’t export “%1”</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>「%1」をエクスポートできませんでした</translation>
    </message>
    <message>
        <source>The file is not valid JSON (line %1, column %2).</source>
        <translation>ファイルが有効な JSON ではありません (%1 行目、%2 列目)。</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>ファイルが有効な JSON ではありません。</translation>
    </message>
    <message>
        <source>Rule %1: %2.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 what is wrong with it.</extracomment>
        <translation>ルール %1: %2。</translation>
    </message>
    <message>
        <source>Rule %1, “%2”: %3.</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 the setting&apos;s name as the file spells it, %3 what is wrong.</extracomment>
        <translation>ルール %1、「%2」: %3。</translation>
    </message>
</context>
<context>
    <name>RuleValidator</name>
    <message>
        <source>%1: %2 must be between %3 and %4.</source>
        <extracomment>%1 is the rule&apos;s name, %2 the value&apos;s name (&quot;placement width&quot;), %3 and %4 numbers.</extracomment>
        <translation>%1: %2 は %3 から %4 までの範囲で指定してください。</translation>
    </message>
    <message>
        <source>%1: rule name cannot be empty.</source>
        <translation>%1: ルール名を空にすることはできません。</translation>
    </message>
    <message>
        <source>%1: card name cannot be empty.</source>
        <translation>%1: カード名を空にすることはできません。</translation>
    </message>
    <message>
        <source>%1: custom folder path cannot be empty.</source>
        <translation>%1: カスタムフォルダーのパスを空にすることはできません。</translation>
    </message>
    <message>
        <source>%1: custom folder path must be relative to the card, not absolute.</source>
        <translation>%1: カスタムフォルダーのパスは絶対パスではなく、カードからの相対パスで指定してください。</translation>
    </message>
    <message>
        <source>%1: custom folder path cannot contain &quot;..&quot;.</source>
        <translation>%1: カスタムフォルダーのパスに &quot;..&quot; を含めることはできません。</translation>
    </message>
    <message>
        <source>placement width</source>
        <translation>配置の幅</translation>
    </message>
    <message>
        <source>placement height</source>
        <translation>配置の高さ</translation>
    </message>
    <message>
        <source>placement left</source>
        <translation>配置の左</translation>
    </message>
    <message>
        <source>placement top</source>
        <translation>配置の上</translation>
    </message>
    <message>
        <source>mouse warp x</source>
        <translation>マウス移動の X</translation>
    </message>
    <message>
        <source>mouse warp y</source>
        <translation>マウス移動の Y</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches the same card and folder as &quot;%2&quot;.</source>
        <extracomment>%1 and %2 are rules&apos; names.</extracomment>
        <translation>&quot;%1&quot; は &quot;%2&quot; と同じカードとフォルダーに一致します。</translation>
    </message>
    <message>
        <source>Untitled rule</source>
        <translation>無題のルール</translation>
    </message>
    <message>
        <source>%1: duplicate rule id.</source>
        <translation>%1: ルール ID が重複しています。</translation>
    </message>
    <message>
        <source>More than one &quot;any card, smart folder&quot; rule; only the first can ever match.</source>
        <translation>「すべてのカード、スマートフォルダー」のルールが複数あります。一致する可能性があるのは最初のルールだけです。</translation>
    </message>
</context>
<context>
    <name>RulesFormat</name>
    <message>
        <source> at the top level</source>
        <translation> (場所: 最上位)</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> (場所: %1)</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>配列</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>ブール値</translation>
    </message>
    <message>
        <source>a number with a fraction or exponent</source>
        <translation>小数部または指数部のある数値</translation>
    </message>
    <message>
        <source>an integer</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>an unsupported value</source>
        <translation>サポートされていない値</translation>
    </message>
    <message>
        <source>Expected %1 but found %2%3.</source>
        <extracomment>%1 and %2 are kinds of value (&quot;a string&quot;), %3 where it is (&quot; at rules[2].name&quot;).</extracomment>
        <translation>%1 が必要ですが、%2 が見つかりました%3。</translation>
    </message>
    <message>
        <source>A required value is missing%1.</source>
        <extracomment>%1 is where the value is missing (&quot; at rules[2].name&quot;).</extracomment>
        <translation>必須の値がありません%1。</translation>
    </message>
    <message>
        <source>The number %1 does not fit a 64-bit integer%2.</source>
        <extracomment>%1 is a number, %2 where it is (&quot; at rules[2].placement.left&quot;).</extracomment>
        <translation>数値 %1 は 64 ビット整数に収まりません%2。</translation>
    </message>
    <message>
        <source>The rule id is not a UUID in 8-4-4-4-12 form%1.</source>
        <extracomment>%1 is where the id is (&quot; at rules[2].id&quot;).</extracomment>
        <translation>ルール ID が 8-4-4-4-12 形式の UUID ではありません%1。</translation>
    </message>
    <message>
        <source>Unknown VolumeMatch kind &quot;%1&quot;</source>
        <translation>不明な VolumeMatch の種類 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Unknown Preset &quot;%1&quot;%2.</source>
        <extracomment>%1 is the value found, %2 where it is (&quot; at rules[2].subfolder.preset&quot;).</extracomment>
        <translation>不明な Preset &quot;%1&quot;%2。</translation>
    </message>
    <message>
        <source>Unknown Subfolder kind &quot;%1&quot;</source>
        <translation>不明な Subfolder の種類 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>an array of rules</source>
        <translation>ルールの配列</translation>
    </message>
    <message>
        <source>a settings object</source>
        <translation>設定オブジェクト</translation>
    </message>
</context>
<context>
    <name>SettingKeys</name>
    <message>
        <source>%1 takes true or false, not &quot;%2&quot;</source>
        <translation>%1 には true または false を指定してください (&quot;%2&quot; は指定できません)</translation>
    </message>
    <message>
        <source>%1 takes panels or desktop, not &quot;%2&quot;</source>
        <translation>%1 には panels または desktop を指定してください (&quot;%2&quot; は指定できません)</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;; the settings are: %2</source>
        <translation>不明な設定 &quot;%1&quot;。設定は次のとおりです: %2</translation>
    </message>
</context>
<context>
    <name>SettingsBottomBar</name>
    <message>
        <source>Save the rules (%1)</source>
        <translation>ルールを保存 (%1)</translation>
    </message>
    <message>
        <source>&amp;Check…</source>
        <translation>チェック(&amp;C)…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>SettingsDialogs</name>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON ファイル (*.json)</translation>
    </message>
    <message>
        <source>Save Changes Before Importing?</source>
        <translation>インポートする前に変更を保存しますか?</translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules. Importing reloads the rules list from disk, so unsaved changes would be lost.</source>
        <translation>Mirvale のルールに保存されていない変更があります。インポートするとディスクからルールの一覧が再読み込みされるため、保存されていない変更は失われます。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>変更を破棄</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>ルールのインポート</translation>
    </message>
    <message>
        <source>Replace all existing rules, or add the imported ones to the list?</source>
        <translation>既存のルールをすべて置き換えますか? それとも、インポートしたルールを一覧に追加しますか?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>追加する</translation>
    </message>
    <message>
        <source>Export Rules</source>
        <translation>ルールのエクスポート</translation>
    </message>
    <message>
        <source>Save changes to your rules?</source>
        <translation>ルールへの変更を保存しますか?</translation>
    </message>
    <message>
        <source>You have unsaved changes to Mirvale’s rules.</source>
        <translation>Mirvale のルールに保存されていない変更があります。</translation>
    </message>
    <message>
        <source>Don’t Save</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Can’t Save Rules</source>
        <translation>ルールを保存できません</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Mirvale Settings</source>
        <translation>Mirvale の設定</translation>
    </message>
</context>
<context>
    <name>SettingsWindowModel</name>
    <message>
        <source>Mirvale opens camera cards; the desktop leaves them alone</source>
        <translation>Mirvale がカメラのカードを開きます。デスクトップは開きません</translation>
    </message>
    <message>
        <source>Let the desktop open them</source>
        <translation>デスクトップに開かせる</translation>
    </message>
    <message>
        <source>The desktop also opens camera cards</source>
        <translation>デスクトップもカメラのカードを開きます</translation>
    </message>
    <message>
        <source>Let Mirvale open them</source>
        <translation>Mirvale に開かせる</translation>
    </message>
    <message>
        <source>The desktop’s setting could not be changed: %1</source>
        <translation>デスクトップの設定を変更できませんでした: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>保存しました</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Mirvale is running, but this desktop shows no tray icons</source>
        <translation>Mirvale は実行中ですが、このデスクトップにはトレイアイコンが表示されません</translation>
    </message>
    <message>
        <source>To reach Mirvale, start it again: that opens its settings. From a terminal, mirvalectl lists the cards and pauses or resumes watching. If a tray is added to the desktop later, the icon shows there; some trays show it only after Mirvale is started again.</source>
        <translation>Mirvale を使うには、もう一度起動してください。設定が開きます。端末からは、mirvalectl でカードを一覧表示したり、監視を一時停止・再開したりできます。後でデスクトップにトレイが追加されると、アイコンはそこに表示されます。トレイによっては、Mirvale をもう一度起動するまで表示されないことがあります。</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login</source>
        <translation>「ログイン時に起動」を変更できませんでした</translation>
    </message>
</context>
<context>
    <name>StatusMenuModel</name>
    <message>
        <source>Unmount (removes it from this menu)</source>
        <translation>アンマウント (このメニューから削除)</translation>
    </message>
    <message>
        <source>Unmount (keeps it in this menu)</source>
        <translation>アンマウント (このメニューに残す)</translation>
    </message>
    <message>
        <source>No cards inserted</source>
        <translation>カードが挿入されていません</translation>
    </message>
    <message>
        <source>Pause watching</source>
        <translation>監視を一時停止</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Quit Mirvale</source>
        <translation>Mirvale を終了</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
</context>
<context>
    <name>Subfolder</name>
    <message>
        <source>Smart (DCIM / AVCHD / XAVC)</source>
        <translation>スマート (DCIM / AVCHD / XAVC)</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <translation>(フォルダーなし)</translation>
    </message>
</context>
<context>
    <name>TargetResolver</name>
    <message>
        <source>%1 not found on this card, opened the card instead</source>
        <extracomment>%1 is the folder the rule expects, such as &quot;DCIM&quot; or &quot;DCIM, AVCHD, or XAVC&quot;.</extracomment>
        <translation>%1 がこのカードに見つからないため、代わりにカードを開きました</translation>
    </message>
</context>
<context>
    <name>TestMenuModel</name>
    <message>
        <source>Test rule on card…</source>
        <translation>カードでルールをテスト…</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Update to %1…</source>
        <extracomment>A menu entry; %1 is the version, such as &quot;1.4.2&quot;.</extracomment>
        <translation>%1 にアップデート…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
</context>
<context>
    <name>ValidationDisplay</name>
    <message numerus="yes">
        <source> (+%n more errors)</source>
        <extracomment>Follows a rule&apos;s first error, with a space before it: how many more there are.</extracomment>
        <translation>
            <numerusform> (ほかに %n 件のエラー)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (+%n more warnings)</source>
        <extracomment>Follows a rule&apos;s first warning, with a space before it: how many more there are.</extracomment>
        <translation>
            <numerusform> (ほかに %n 件の警告)</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved. Rules take effect on the next card insert.</source>
        <translation>保存しました。ルールは次にカードを挿入したときから有効になります。</translation>
    </message>
    <message>
        <source>Couldn’t save settings.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>Rules not saved: %1</source>
        <extracomment>%1 is the reason, a whole sentence.</extracomment>
        <translation>ルールは保存されていません: %1</translation>
    </message>
</context>
</TS>
