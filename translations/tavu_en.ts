<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>tavu::Ui</name>
    <message>
        <source>システムファイルが足りません</source>
        <translation>Some system files are missing</translation>
    </message>
    <message>
        <source>現在の設定を保存しますか？</source>
        <translation>Save the current settings?</translation>
    </message>
    <message>
        <source>保存は正常に行われました</source>
        <translation>The settings were saved.</translation>
    </message>
    <message>
        <source>ランダムが再生成されました</source>
        <translation>The random sequence was reseeded.</translation>
    </message>
    <message>
        <source>不正防止の為、抽出された結果をファイルに出力します。</source>
        <translation>Writes the drawn result to a file, as a record against cheating.</translation>
    </message>
    <message>
        <source>次の使用者に自分のブック内容を見られない様、予めリスト内をクリアする機能です。</source>
        <translation>Clears the list after writing, so the next user cannot see your book.</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めなかったため、この実行中は設定を保存しません。<byte value="xd"/>
</source>
        <translation>The settings file could not be read, so settings will not be saved while TAVU runs.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>このフォルダには設定を保存できないため、この実行中は設定を保存しません。<byte value="xd"/>
</source>
        <translation>Settings cannot be saved in this folder, so they will not be saved while TAVU runs.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>開発者ホームページに接続します&#x3000;&#x3000;&#x3000;&#x3000;<byte value="xd"/>
ブラウザを起動しますか？</source>
        <translation>This opens the developer&apos;s home page.<byte value="xd"/>
Start the browser?</translation>
    </message>
    <message>
        <source>TAVU シリーズコンセプト</source>
        <translation>TAVU series concept</translation>
    </message>
    <message>
        <source>開発者ホームページに接続します<byte value="xd"/>
<byte value="xd"/>
TAVU for DS の最新情報は TOP ページに設置してあるリンクを辿り、<byte value="xd"/>
Orvessa 内コンテンツをご覧下さい<byte value="xd"/>
<byte value="xd"/>
ブラウザを起動しますか？</source>
        <translation>This opens the developer&apos;s home page.<byte value="xd"/>
<byte value="xd"/>
For news of TAVU for DS, follow the link on the top page<byte value="xd"/>
to the Orvessa contents.<byte value="xd"/>
<byte value="xd"/>
Start the browser?</translation>
    </message>
    <message>
        <source>TAVU アップデート</source>
        <translation>TAVU update</translation>
    </message>
    <message>
        <source>ヘルプファイルが見つかりません</source>
        <translation>The help file was not found</translation>
    </message>
    <message>
        <source>それぞれの合計枚数が50以内になるように</source>
        <translation>Set the counts so that together</translation>
    </message>
    <message>
        <source>枚数を設定して下さい</source>
        <translation>they come to no more than 50</translation>
    </message>
    <message>
        <source>クリーチャーは 0～50 枚の間で設定出来ます&#x3000;（数値が 50 を超えないように注意して下さい）</source>
        <translation>Creatures can be set from 0 to 50 (take care not to go above 50)</translation>
    </message>
    <message>
        <source>アイテムは 0～49 枚の間で設定出来ます&#x3000;（数値が 49 を超えないように注意して下さい）</source>
        <translation>Items can be set from 0 to 49 (take care not to go above 49)</translation>
    </message>
    <message>
        <source>スペルは 0～50 枚の間で設定出来ます&#x3000;（数値が 50 を超えないように注意して下さい）</source>
        <translation>Spells can be set from 0 to 50 (take care not to go above 50)</translation>
    </message>
    <message>
        <source>カード総計が 50 枚を超えないように注意して下さい</source>
        <translation>Take care that the cards do not total more than 50</translation>
    </message>
    <message>
        <source>Ｅカードを使用したくない場合はここにチェックを入れて下さい</source>
        <translation>Tick here if you do not want E cards</translation>
    </message>
    <message>
        <source>ブック 50 枚を完全にランダムで作成したい場合には、ここにチェックを入れて下さい</source>
        <translation>Tick here to make the whole 50-card book completely at random</translation>
    </message>
    <message>
        <source>抽出されたカードは、“クリーチャー（属性 &gt; 名前）&#x3000;&gt;&#x3000;アイテム&#x3000;&gt;&#x3000;スペル” の順に表示されます</source>
        <translation>Drawn cards are listed as &quot;creatures (element &gt; name) &gt; items &gt; spells&quot;</translation>
    </message>
    <message>
        <source>表示されてある項目を完全にクリアします</source>
        <translation>Clears everything shown</translation>
    </message>
    <message>
        <source>ブック総数 50 枚を、完全にランダムで抽出します</source>
        <translation>Draws all 50 cards of the book completely at random</translation>
    </message>
    <message>
        <source>完全ランダムを選択する際に、一読下さい</source>
        <translation>Please read this before choosing fully random</translation>
    </message>
    <message>
        <source>現在の設定を保存することが出来ます</source>
        <translation>Saves the current settings</translation>
    </message>
    <message>
        <source> ブック構成 </source>
        <translation> Book contents </translation>
    </message>
    <message>
        <source>クリーチャー合計</source>
        <translation>Creatures</translation>
    </message>
    <message>
        <source>アイテム合計</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>スペル合計</source>
        <translation>Spells</translation>
    </message>
    <message>
        <source>枚</source>
        <translation>cards</translation>
    </message>
    <message>
        <source>尚、E カードが１枚以上含まれてしまった場合お手数ですが、それぞれについて単体抽出を行って下さい</source>
        <translation>If any E cards are drawn, please replace each one with a single draw</translation>
    </message>
    <message>
        <source>抽出オプション</source>
        <translation>Draw options</translation>
    </message>
    <message>
        <source>E カードを含まない</source>
        <translation>No E cards</translation>
    </message>
    <message>
        <source>ファイルに出力</source>
        <translation>Write to file</translation>
    </message>
    <message>
        <source>ファイルに出力後、リストをクリアする</source>
        <translation>Clear the list after writing</translation>
    </message>
    <message>
        <source>完全ランダム     &lt;&lt;</source>
        <translation>Fully random     &lt;&lt;</translation>
    </message>
    <message>
        <source>設定を保存</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>抽出準備が整いました</source>
        <translation>Ready to draw</translation>
    </message>
    <message>
        <source>下のＯＫボタンを押して下さい</source>
        <translation>Press the OK button below</translation>
    </message>
    <message>
        <source>合計 %1 / %2 枚</source>
        <translation>Total %1 / %2 cards</translation>
    </message>
    <message>
        <source>クリーチャー・アイテム・スペルの合計を %1 枚にして下さい（現在 %2 枚）</source>
        <translation>Make creatures, items and spells total %1 cards (now %2)</translation>
    </message>
    <message>
        <source>この機能は、クリーチャー、アイテム、スペル共に完全ランダム抽出を行う機能であり、対戦相手との力の差が歴然である場合や、自分の力を試したい方にお勧めの機能です。

自分の予期せぬカードが混入する面白さが在る反面、クリーチャーが一枚も無い状態になってしまうケースや、アイテム、スペルがとんでもない物ばかりになってしまうケースが多々考えられます。

この機能を使用する場合には、ちょっとした覚悟を持った上でご使用下さい。


―― ヒント ――
Ｅカードの有無は、完全ランダム選択時でも設定することが出来ます。</source>
        <translation>This draws creatures, items and spells all completely at random. It suits matches between players of plainly different strength, or anyone who wants to test their skill.

Cards you never expected make it fun, but you may well end up with no creatures at all, or with items and spells that are of no use whatsoever.

Use it only if you are ready for a surprise.


-- Hint --
Whether E cards are allowed can be set even for a fully random book.</translation>
    </message>
    <message>
        <source>ここのチェックを外すことにより、抽出したくないレア度を選択することが出来ます</source>
        <translation>Untick a rarity to leave it out of the draw</translation>
    </message>
    <message>
        <source>抽出枚数は、%1 ～ %2枚の範囲で設定出来ます</source>
        <translation>The number of cards can be set from %1 to %2</translation>
    </message>
    <message>
        <source>%1 ～ %2枚の範囲でランダムに抽出されます</source>
        <translation>A random number of cards from %1 to %2 is drawn</translation>
    </message>
    <message>
        <source>抽出枚数を指定します</source>
        <translation>Sets how many copies to draw</translation>
    </message>
    <message>
        <source>ブック内に指定カードを組み込む枚数を表示</source>
        <translation>Shows how many copies of the card go into the book</translation>
    </message>
    <message>
        <source>設定条件に基づいて、カードの複数抽出を行います</source>
        <translation>Draws several cards under the conditions set</translation>
    </message>
    <message>
        <source>設定条件に基づいて、カードの単体抽出を行います</source>
        <translation>Draws one card under the conditions set</translation>
    </message>
    <message>
        <source>リストに表示されてある項目を完全にクリアします</source>
        <translation>Clears everything in the list</translation>
    </message>
    <message>
        <source>指定無し</source>
        <translation>Random</translation>
    </message>
    <message>
        <source> 条件設定 </source>
        <translation> Conditions </translation>
    </message>
    <message>
        <source>レア度</source>
        <translation>Rarity</translation>
    </message>
    <message>
        <source>枚数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>指定されたクリーチャーをブック内に</source>
        <translation>Put this card in the book:</translation>
    </message>
    <message>
        <source>を一つ以上選んで下さい</source>
        <translation>: choose at least one</translation>
    </message>
    <message>
        <source>レア度を一つ以上選んで下さい</source>
        <translation>Choose at least one rarity</translation>
    </message>
    <message>
        <source>レア度 E だけのときは、防具と巻物だけでは抽出できません</source>
        <translation>With rarity E alone, armor and scrolls alone cannot be drawn</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>無</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>火</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>水</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>地</source>
        <translation>Earth</translation>
    </message>
    <message>
        <source>風</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>ここのチェックを外すことにより、抽出したくない属性クリーチャーを選択することが出来ます</source>
        <translation>Untick an element to leave its creatures out of the draw</translation>
    </message>
    <message>
        <source>クリーチャー名</source>
        <translation>Creature</translation>
    </message>
    <message>
        <source>基本ST</source>
        <translation>Base ST</translation>
    </message>
    <message>
        <source>基本HP</source>
        <translation>Base HP</translation>
    </message>
    <message>
        <source>必要魔力</source>
        <translation>Magic cost</translation>
    </message>
    <message>
        <source>必要連鎖数</source>
        <translation>Chain</translation>
    </message>
    <message>
        <source>生贄の有無</source>
        <translation>Sacrifice</translation>
    </message>
    <message>
        <source>特殊</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>クリーチャー名を表示</source>
        <translation>Shows the creature&apos;s name</translation>
    </message>
    <message>
        <source>クリーチャーの基本 ST を表示</source>
        <translation>Shows the creature&apos;s base ST</translation>
    </message>
    <message>
        <source>クリーチャーの基本 HP を表示</source>
        <translation>Shows the creature&apos;s base HP</translation>
    </message>
    <message>
        <source>カード使用時に消費する魔力を表示</source>
        <translation>Shows the magic the card costs to use</translation>
    </message>
    <message>
        <source>クリーチャー召喚時に必要な連鎖数を表示</source>
        <translation>Shows the chain needed to summon the creature</translation>
    </message>
    <message>
        <source>クリーチャー召喚時に必要な生贄の有無を表示</source>
        <translation>Shows whether summoning the creature needs a sacrifice</translation>
    </message>
    <message>
        <source>カードのレア度を表示</source>
        <translation>Shows the card&apos;s rarity</translation>
    </message>
    <message>
        <source>クリーチャーの特殊能力 （先制、通常、後手） を表示</source>
        <translation>Shows the creature&apos;s timing (first, normal, last)</translation>
    </message>
    <message>
        <source>枚入れる</source>
        <translation>copies</translation>
    </message>
    <message>
        <source>抽出されたカードは “属性&#x3000;&gt;&#x3000;名前” 順に表示されます</source>
        <translation>Drawn cards are listed by &quot;element &gt; name&quot;</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>武器</source>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>防具</source>
        <translation>Armor</translation>
    </message>
    <message>
        <source>アイテム</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>巻物</source>
        <translation>Scroll</translation>
    </message>
    <message>
        <source>ここのチェックを外すことにより、抽出したくないアイテムの種類を選択することが出来ます</source>
        <translation>Untick a kind to leave those items out of the draw</translation>
    </message>
    <message>
        <source>アイテム名</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>基本増加 ST</source>
        <translation>ST bonus</translation>
    </message>
    <message>
        <source>基本増加 HP</source>
        <translation>HP bonus</translation>
    </message>
    <message>
        <source>アイテム名を表示</source>
        <translation>Shows the item&apos;s name</translation>
    </message>
    <message>
        <source>アイテムの使用による、基本増加 ST を表示</source>
        <translation>Shows the ST the item adds</translation>
    </message>
    <message>
        <source>アイテムの使用による、基本増加 HP を表示</source>
        <translation>Shows the HP the item adds</translation>
    </message>
    <message>
        <source>アイテムの種類 （武器、防具、アイテム、巻物）を表示</source>
        <translation>Shows the item&apos;s kind (weapon, armor, item, scroll)</translation>
    </message>
    <message>
        <source>アイテムの特殊能力 （先制、通常、後手） を表示</source>
        <translation>Shows the item&apos;s timing (first, normal, last)</translation>
    </message>
    <message>
        <source>枚組み込む</source>
        <translation>copies</translation>
    </message>
    <message>
        <source>抽出されたカードは名前順に表示されます</source>
        <translation>Drawn cards are listed by name</translation>
    </message>
    <message>
        <source>スペル名</source>
        <translation>Spell</translation>
    </message>
    <message>
        <source>効果範囲</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>効果対象</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>継続時間</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>スペル名を表示</source>
        <translation>Shows the spell&apos;s name</translation>
    </message>
    <message>
        <source>カード使用時に必要な生贄の有無を表示</source>
        <translation>Shows whether using the card needs a sacrifice</translation>
    </message>
    <message>
        <source>スペルの使用によって及ぼされる効果適用範囲を表示</source>
        <translation>Shows the range of the spell&apos;s effect</translation>
    </message>
    <message>
        <source>スペルの効果が及ぶ対象を表示</source>
        <translation>Shows what the spell affects</translation>
    </message>
    <message>
        <source>スペルの効果適用時間 （瞬間 or 継続） を表示</source>
        <translation>Shows how long the spell lasts (instant or lasting)</translation>
    </message>
    <message>
        <source>火属性クリーチャー</source>
        <translation>Fire creatures</translation>
    </message>
    <message>
        <source>水属性クリーチャー</source>
        <translation>Water creatures</translation>
    </message>
    <message>
        <source>地属性クリーチャー</source>
        <translation>Earth creatures</translation>
    </message>
    <message>
        <source>風属性クリーチャー</source>
        <translation>Wind creatures</translation>
    </message>
    <message>
        <source> 指定なし</source>
        <translation> Any number</translation>
    </message>
    <message>
        <source> 1枚組み込む</source>
        <translation> Put in 1</translation>
    </message>
    <message>
        <source> 2枚組み込む</source>
        <translation> Put in 2</translation>
    </message>
    <message>
        <source> 3枚組み込む</source>
        <translation> Put in 3</translation>
    </message>
    <message>
        <source> 4枚組み込む</source>
        <translation> Put in 4</translation>
    </message>
    <message>
        <source>ここにコメントが表示されます</source>
        <translation>Comments appear here</translation>
    </message>
    <message>
        <source>対戦相手の人数を選択することが出来ます</source>
        <translation>Chooses the number of opponents</translation>
    </message>
    <message>
        <source>ファイルに出力後、結果をクリアします</source>
        <translation>Clears the result after writing it to a file</translation>
    </message>
    <message>
        <source>同盟相手を抽出したい場合はここを選択して下さい</source>
        <translation>Choose here to draw allies</translation>
    </message>
    <message>
        <source>CPU 4人による対戦はサポートしておりません</source>
        <translation>Matches against 4 CPUs are not supported</translation>
    </message>
    <message>
        <source>幾つかのブックを保有するセプターの場合は、通常時のブックを参照しています</source>
        <translation>For characters with several books, their usual book is used</translation>
    </message>
    <message>
        <source>ファイル出力の有無を設定します</source>
        <translation>Sets whether to write to a file</translation>
    </message>
    <message>
        <source>人数を設定しない場合、0 ～ 3 人の範囲で同盟相手が決定されます</source>
        <translation>Without a number, 0 to 3 allies are chosen</translation>
    </message>
    <message>
        <source>同盟相手をチェックにより表示</source>
        <translation>Ticks mark the allies</translation>
    </message>
    <message>
        <source>CPU の人数を表示します</source>
        <translation>Shows the number of CPUs</translation>
    </message>
    <message>
        <source>対戦相手 1人目</source>
        <translation>First opponent</translation>
    </message>
    <message>
        <source>対戦相手 2人目</source>
        <translation>Second opponent</translation>
    </message>
    <message>
        <source>対戦相手 3人目</source>
        <translation>Third opponent</translation>
    </message>
    <message>
        <source>同盟相手表示用</source>
        <translation>Marks an ally</translation>
    </message>
    <message>
        <source>設定された項目に基づいて対戦相手を抽出します</source>
        <translation>Draws opponents under the conditions set</translation>
    </message>
    <message>
        <source>現在の設定（数値やチェックなどの全て）を保存します</source>
        <translation>Saves the current settings (all numbers and ticks)</translation>
    </message>
    <message>
        <source>TAVU for DS のシステム更新ファイルをダウンロードします</source>
        <translation>Downloads the system update files of TAVU for DS</translation>
    </message>
    <message>
        <source>ダウンロード機能の解説</source>
        <translation>About downloading</translation>
    </message>
    <message>
        <source>コメントが表示されます</source>
        <translation>Comments appear here</translation>
    </message>
    <message>
        <source>解説</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>ダウンロード</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>メモリが足りないため、操作を完了できませんでした</source>
        <translation>Not enough memory to finish the operation</translation>
    </message>
    <message>
        <source>予期しないエラーが発生しました</source>
        <translation>An unexpected error occurred</translation>
    </message>
    <message>
        <source>TAVU のヘルプ</source>
        <translation>TAVU Help</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>クリーチャー</source>
        <translation>Creatures</translation>
    </message>
    <message>
        <source>スペル</source>
        <translation>Spells</translation>
    </message>
    <message>
        <source>対戦条件</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>ブック完全構成</source>
        <translation>Whole book</translation>
    </message>
    <message>
        <source>TAVU の使用方法</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>単体抽出</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>複数抽出</source>
        <translation>Multiple</translation>
    </message>
    <message>
        <source>対戦マップ</source>
        <translation>Battle map</translation>
    </message>
    <message>
        <source>対戦相手の抽出 ( CPU )</source>
        <translation>Opponents ( CPU )</translation>
    </message>
    <message>
        <source>抽出コード: </source>
        <translation>Draw code: </translation>
    </message>
    <message>
        <source>抽出コード</source>
        <translation>Draw code</translation>
    </message>
    <message>
        <source>抽出コードから再現…</source>
        <translation>Replay a draw code…</translation>
    </message>
    <message>
        <source>抽出コードの条件と乱数でもう一度抽出します</source>
        <translation>Draws again with a draw code&apos;s conditions and random numbers</translation>
    </message>
    <message>
        <source>結果ファイルを検証…</source>
        <translation>Check a result file…</translation>
    </message>
    <message>
        <source>結果ファイルを抽出コードで抽出し直して照合します</source>
        <translation>Draws a result file again from its draw code and compares</translation>
    </message>
    <message>
        <source>結果ファイルに抽出コードを書く</source>
        <translation>Write the draw code in result files</translation>
    </message>
    <message>
        <source>結果ファイルの最後に抽出コードの行を書き込みます</source>
        <translation>Ends result files with a line holding the draw code</translation>
    </message>
    <message>
        <source>抽出コードを入力して下さい</source>
        <translation>Enter a draw code</translation>
    </message>
    <message>
        <source>この抽出コードは別のデータで抽出されました (抽出時のデータ: %1、このデータ: %2)。
このデータで抽出しますか？</source>
        <translation>This draw code was drawn with other data (data then: %1, this data: %2).
Draw with this data?</translation>
    </message>
    <message>
        <source>結果ファイルを検証</source>
        <translation>Check a result file</translation>
    </message>
    <message>
        <source>テキストファイル(*.txt);;全てのファイル(*.*)</source>
        <translation>Text files (*.txt);;All files (*.*)</translation>
    </message>
    <message>
        <source>結果ファイルの検証</source>
        <translation>Result file check</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>TAVU を終了します</source>
        <translation>Quits TAVU</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>ランダムを再発生(&amp;R)</source>
        <translation>&amp;Reseed random</translation>
    </message>
    <message>
        <source>カードを抽出する際に使用するランダム係数を現時刻より再生成します</source>
        <translation>Reseeds the random numbers of the draws from the current time</translation>
    </message>
    <message>
        <source>最前面に表示(&amp;S)</source>
        <translation>&amp;Stay on top</translation>
    </message>
    <message>
        <source>TAVU を最前面に表示させます</source>
        <translation>Keeps TAVU above other windows</translation>
    </message>
    <message>
        <source>更新サイトの設定(&amp;D)...</source>
        <translation>Up&amp;date site...</translation>
    </message>
    <message>
        <source>データを更新するサイトのアドレスを設定します</source>
        <translation>Sets the address of the site the data is updated from</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>TAVU のヘルプ (&amp;H)</source>
        <translation>TAVU &amp;Help</translation>
    </message>
    <message>
        <source>ヘルプの表示</source>
        <translation>Shows the help</translation>
    </message>
    <message>
        <source>TAVU の最新版を確認する (&amp;U)</source>
        <translation>Check for the latest TAVU (&amp;U)</translation>
    </message>
    <message>
        <source>ブラウザを起動し、開発者HPへ接続します</source>
        <translation>Opens the developer&apos;s home page in the browser</translation>
    </message>
    <message>
        <source>バージョン情報 (&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>バージョンの表示</source>
        <translation>Shows the version</translation>
    </message>
    <message>
        <source>設定を保存するフォルダがないため、更新サイトを設定できません</source>
        <translation>There is no folder to keep settings in, so the update site cannot be set</translation>
    </message>
    <message>
        <source>更新サイトの設定</source>
        <translation>Update site</translation>
    </message>
    <message>
        <source>開発コンセプト&#x3000;：&#x3000;開発者ホームページにジャンプします</source>
        <translation>Development concept: opens the developer&apos;s home page</translation>
    </message>
    <message>
        <source>使用上の注意、及び免責事項等</source>
        <translation>Cautions and disclaimer</translation>
    </message>
    <message>
        <source>単体抽出時の解説</source>
        <translation>About single draws</translation>
    </message>
    <message>
        <source>複数抽出時の解説</source>
        <translation>About multiple draws</translation>
    </message>
    <message>
        <source>対戦条件設定時の解説とヒント</source>
        <translation>About match conditions, with hints</translation>
    </message>
    <message>
        <source>ブック完全構成の解説とヒント</source>
        <translation>About the whole book, with hints</translation>
    </message>
    <message>
        <source>バトルギア 選出時の特殊ルールについて</source>
        <translation>Special rules when Battle Gear is chosen</translation>
    </message>
    <message>
        <source>作者からのお知らせと、諸注意が表示されます</source>
        <translation>Shows news and notes from the author</translation>
    </message>
    <message>
        <source>表示用のチェックボックスです&#x3000;（抽出条件には反映されません）</source>
        <translation>Display only (not a draw condition)</translation>
    </message>
    <message>
        <source>対戦を行うマップを、指定された抽出条件より選び出します</source>
        <translation>Chooses the battle map under the conditions set</translation>
    </message>
    <message>
        <source>対戦マップの土地属性を決定します</source>
        <translation>Decides the map&apos;s land elements</translation>
    </message>
    <message>
        <source>土地レベルの状態を決定します</source>
        <translation>Decides the land levels</translation>
    </message>
    <message>
        <source>対戦時の目標魔力を、指定された条件に基づいて決定します</source>
        <translation>Decides the target magic under the conditions set</translation>
    </message>
    <message>
        <source>サドンデスの有無を決定します</source>
        <translation>Decides whether sudden death is on</translation>
    </message>
    <message>
        <source>対戦時の期間条件を、指定された条件に基づいて決定します</source>
        <translation>Decides the round limit under the conditions set</translation>
    </message>
    <message>
        <source>対戦時のコマンド時間を、指定された条件に基づいて決定します</source>
        <translation>Decides the time per command under the conditions set</translation>
    </message>
    <message>
        <source>コンボボックスより、幾つかの条件を設定することが出来ます</source>
        <translation>Several conditions can be set in the list</translation>
    </message>
    <message>
        <source>最小値は5000 ～ 89000の範囲で決定出来ます&#x3000;&#x3000;（先に最大値を決めて下さい）</source>
        <translation>The minimum can be 5000 to 89000 (set the maximum first)</translation>
    </message>
    <message>
        <source>最大値は6000 ～ 90000の範囲で決定出来ます</source>
        <translation>The maximum can be 6000 to 90000</translation>
    </message>
    <message>
        <source>最小値は30 ～ 90の範囲で決定出来ます&#x3000;&#x3000;（先に最大値を決めて下さい）</source>
        <translation>The minimum can be 30 to 90 (set the maximum first)</translation>
    </message>
    <message>
        <source>最大値は35 ～ 95の範囲で決定出来ます</source>
        <translation>The maximum can be 35 to 95</translation>
    </message>
    <message>
        <source>最小値は10 ～ 90の範囲で決定出来ます&#x3000;&#x3000;（先に最大値を決めて下さい）</source>
        <translation>The minimum can be 10 to 90 (set the maximum first)</translation>
    </message>
    <message>
        <source>最大値は15 ～ 90の範囲で決定出来ます</source>
        <translation>The maximum can be 15 to 90</translation>
    </message>
    <message>
        <source>条件を指定しない場合、 “標準、シャッフル、全無属性” の3種類から選び出されます</source>
        <translation>Without a condition, one of &quot;standard, shuffled, all neutral&quot; is chosen</translation>
    </message>
    <message>
        <source>土地レベルを指定しない場合は、Lv1～Lv2 をランダムに選び出します</source>
        <translation>Without a level, Lv 1 or Lv 2 is chosen at random</translation>
    </message>
    <message>
        <source>条件を指定しない場合、オン、オフのどちらかが選出されます</source>
        <translation>Without a condition, on or off is chosen</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;決定した対戦マップを表示します</source>
        <translation>Display: the battle map drawn</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;決定した土地属性の種類を表示します</source>
        <translation>Display: the land elements drawn</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;決定した土地レベルの状態を表示します</source>
        <translation>Display: the land levels drawn</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;決定した目標魔力を表示します</source>
        <translation>Display: the target magic drawn</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;決定したサドンデスの有無を表示します</source>
        <translation>Display: whether sudden death is on</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;決定した期間条件を表示します</source>
        <translation>Display: the round limit drawn</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;決定した時間制限を表示します</source>
        <translation>Display: the time limit drawn</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;抽出された MAP の最大ダイス目が表示されます</source>
        <translation>Display: the map&apos;s highest die roll</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;抽出された MAP の１位報酬カード数が表示されます</source>
        <translation>Display: the map&apos;s cards for first place</translation>
    </message>
    <message>
        <source>表示用 ：&#x3000;抽出された MAP の砦数を表示します</source>
        <translation>Display: the map&apos;s number of forts</translation>
    </message>
    <message>
        <source>設定された項目に基づいて対戦条件を抽出します</source>
        <translation>Draws match conditions under the settings</translation>
    </message>
    <message>
        <source> 対戦条件</source>
        <translation> Match conditions</translation>
    </message>
    <message>
        <source>土地属性</source>
        <translation>Land element</translation>
    </message>
    <message>
        <source>土地レベル</source>
        <translation>Land level</translation>
    </message>
    <message>
        <source>魔力条件</source>
        <translation>Target magic</translation>
    </message>
    <message>
        <source>サドンデス</source>
        <translation>Sudden death</translation>
    </message>
    <message>
        <source>期間条件</source>
        <translation>Round limit</translation>
    </message>
    <message>
        <source>時間制限</source>
        <translation>Time limit</translation>
    </message>
    <message>
        <source> 条件指定なし</source>
        <translation> No condition</translation>
    </message>
    <message>
        <source> 聖堂を使用しない</source>
        <translation> No temple</translation>
    </message>
    <message>
        <source> ほこらを使用しない</source>
        <translation> No shrine</translation>
    </message>
    <message>
        <source> 転送円を使用しない</source>
        <translation> No warp circle</translation>
    </message>
    <message>
        <source> ショップを使用しない</source>
        <translation> No shop</translation>
    </message>
    <message>
        <source> ダウンロードマップを使用しない</source>
        <translation> No download maps</translation>
    </message>
    <message>
        <source> ダウンロードマップのみを使用する</source>
        <translation> Download maps only</translation>
    </message>
    <message>
        <source> 指定しない</source>
        <translation> Any</translation>
    </message>
    <message>
        <source> 標準以外</source>
        <translation> Not standard</translation>
    </message>
    <message>
        <source> シャッフル以外</source>
        <translation> Not shuffled</translation>
    </message>
    <message>
        <source> 全無属性以外</source>
        <translation> Not all neutral</translation>
    </message>
    <message>
        <source> オン</source>
        <translation> On</translation>
    </message>
    <message>
        <source> オフ</source>
        <translation> Off</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>の間でランダム</source>
        <translation>at random</translation>
    </message>
    <message>
        <source> 表示用ボックス</source>
        <translation> Display</translation>
    </message>
    <message>
        <source>目標魔力</source>
        <translation>Target magic</translation>
    </message>
    <message>
        <source>期間</source>
        <translation>Rounds</translation>
    </message>
    <message>
        <source>聖堂</source>
        <translation>Temple</translation>
    </message>
    <message>
        <source>ほこら</source>
        <translation>Shrine</translation>
    </message>
    <message>
        <source>転送円</source>
        <translation>Warp</translation>
    </message>
    <message>
        <source>ショップ</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>ダイス</source>
        <translation>Dice</translation>
    </message>
    <message>
        <source>1～</source>
        <translation>1 to</translation>
    </message>
    <message>
        <source>１位報酬</source>
        <translation>1st prize</translation>
    </message>
    <message>
        <source>砦</source>
        <translation>Forts</translation>
    </message>
    <message>
        <source>期間条件と時間制限だけでは抽出できません。対戦マップからサドンデスまでのいずれかも選んで下さい</source>
        <translation>Round and time limits alone cannot be drawn. Choose one of battle map to sudden death as well</translation>
    </message>
    <message>
        <source>抽出する対戦条件を選んで下さい</source>
        <translation>Choose the match conditions to draw</translation>
    </message>
    <message>
        <source>通信モジュールを読み込めません: %1</source>
        <translation>Cannot load the network module: %1</translation>
    </message>
    <message>
        <source>TAVU ファイルの保存</source>
        <translation>Save TAVU file</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>ブラウザを起動できなかったため、次のページを開けませんでした:<byte value="xd"/>
</source>
        <translation>The browser could not be started, so this page was not opened:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>抽出コードをコピー</source>
        <translation>Copy draw code</translation>
    </message>
    <message>
        <source>system フォルダがこのウィンドウの外で置き換えられました (tavu-cli update など)。<byte value="xd"/>
読み込んだデータと合わなくなるため、この実行中は設定を保存しません。<byte value="xd"/>
TAVU を再起動して下さい。</source>
        <translation>The system folder was replaced outside this window (by tavu-cli update or the like).<byte value="xd"/>
It no longer matches the data in use, so settings will not be saved while TAVU runs.<byte value="xd"/>
Please restart TAVU.</translation>
    </message>
    <message>
        <source>更新サイトが設定されていません

データの更新を配布しているサイトのアドレスを、オプションメニューの「更新サイトの設定」で設定して下さい。
コマンドラインでは tavu-cli update --url アドレス --save-url でも設定できます。</source>
        <translation>No update site is set

Set the address of the site that hands out data updates under &quot;Update site&quot; in the Options menu.
On the command line, tavu-cli update --url ADDRESS --save-url sets it too.</translation>
    </message>
    <message>
        <source>接続できました (サイトのデータのバージョン: %1)</source>
        <translation>Connected (the site&apos;s data version: %1)</translation>
    </message>
    <message>
        <source>接続できましたが、更新サイトのバージョンファイルを読めませんでした</source>
        <translation>Connected, but the update site&apos;s version file could not be read</translation>
    </message>
    <message>
        <source>中止しました</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>接続できませんでした: %1</source>
        <translation>Could not connect: %1</translation>
    </message>
    <message>
        <source>接続テスト</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>アドレス(&amp;A):</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>空欄にすると、このプログラムの既定のサイトを使います。</source>
        <translation>Left empty, the program&apos;s default site is used.</translation>
    </message>
    <message>
        <source>アドレスを http:// か https:// で始まる形で入力して下さい</source>
        <translation>Enter an address that starts with http:// or https://</translation>
    </message>
    <message>
        <source>接続しています…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>右クリックで全属性にチェック</source>
        <translation>Right-click to tick every element</translation>
    </message>
    <message>
        <source>同盟相手を 2人以上に設定しても、CPU人数によってはその数が減少する場合があります</source>
        <translation>With 2 or more allies set, fewer may be drawn, depending on the number of CPUs</translation>
    </message>
    <message>
        <source> CPU ランダム抽出 </source>
        <translation> Random CPU opponents </translation>
    </message>
    <message>
        <source>CPU の人数</source>
        <translation>CPUs</translation>
    </message>
    <message>
        <source> 1人</source>
        <translation> 1</translation>
    </message>
    <message>
        <source> 2人</source>
        <translation> 2</translation>
    </message>
    <message>
        <source> 3人</source>
        <translation> 3</translation>
    </message>
    <message>
        <source>ブック傾向 （通常）</source>
        <translation>Book style</translation>
    </message>
    <message>
        <source>全属性にチェック(&amp;A)</source>
        <translation>Tick &amp;all elements</translation>
    </message>
    <message>
        <source>同盟相手</source>
        <translation>Allies</translation>
    </message>
    <message>
        <source> 同盟戦を行わない</source>
        <translation> No team match</translation>
    </message>
    <message>
        <source> 人数を指定しない</source>
        <translation> Any number</translation>
    </message>
    <message>
        <source>追加オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&gt;&gt;&#x3000;ブック傾向は、ストーリーキャラの基礎ブックをベースにしています</source>
        <translation>&gt;&gt;  Book styles follow the story characters&apos; basic books</translation>
    </message>
    <message>
        <source> 表示用ボックス </source>
        <translation> Display </translation>
    </message>
    <message>
        <source>同盟</source>
        <translation>Ally</translation>
    </message>
    <message>
        <source>ご注意</source>
        <translation>Cautions</translation>
    </message>
    <message>
        <source>完全構成</source>
        <translation>Whole book</translation>
    </message>
    <message>
        <source>特殊ルール</source>
        <translation>Special rules</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>News</translation>
    </message>
    <message>
        <source>開発コンセプトはここをクリック！</source>
        <translation>Click here for the concept!</translation>
    </message>
    <message>
        <source>抽出条件を正しく設定して下さい</source>
        <translation>Please set the draw conditions correctly</translation>
    </message>
    <message>
        <source>該当カードなし</source>
        <translation>No matching card</translation>
    </message>
    <message>
        <source>ダウンロードに失敗しました</source>
        <translation>The download failed</translation>
    </message>
    <message>
        <source>インターネット接続をご確認下さい</source>
        <translation>Please check your internet connection</translation>
    </message>
    <message>
        <source>ご使用のシステムは最新に保たれております</source>
        <translation>Your system is up to date</translation>
    </message>
    <message>
        <source>最新のシステムファイルがあります&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Newer system files are available</translation>
    </message>
    <message>
        <source>ダウンロードを開始しますか？</source>
        <translation>Start the download?</translation>
    </message>
    <message>
        <source>ダウンロードを中止しました</source>
        <translation>The download was cancelled</translation>
    </message>
    <message>
        <source>サーバーのバージョン情報を読み取れませんでした</source>
        <translation>The server&apos;s version information could not be read</translation>
    </message>
    <message>
        <source>TAVU for DS     ダウンロードしています</source>
        <translation>TAVU for DS     Downloading</translation>
    </message>
    <message>
        <source>システムファイルのダウンロードが成功しました。</source>
        <translation>The system files were downloaded.</translation>
    </message>
    <message>
        <source>全ての設定が一度初期化されます。</source>
        <translation>All settings are reset once.</translation>
    </message>
    <message>
        <source>TAVU を再起動して下さい。</source>
        <translation>Please restart TAVU.</translation>
    </message>
    <message>
        <source>（そのままプログラムを使いつづけると、エラーが発生する場合がございます）</source>
        <translation>(Going on without a restart may cause errors.)</translation>
    </message>
    <message>
        <source>システムファイルのダウンロードに失敗しました。</source>
        <translation>The system files could not be downloaded.</translation>
    </message>
    <message>
        <source>システムファイルのダウンロードを中止しました。</source>
        <translation>The download of the system files was cancelled.</translation>
    </message>
    <message>
        <source>システムファイルは変更されていません。これまでのまま使用できます。</source>
        <translation>The system files are unchanged and can be used as before.</translation>
    </message>
    <message>
        <source>メモリが足りないため中止しました</source>
        <translation>Stopped: not enough memory</translation>
    </message>
    <message>
        <source>設定ファイルを暗号化できません</source>
        <translation>The settings file cannot be encrypted</translation>
    </message>
    <message>
        <source>制限時間を過ぎたため打ち切りました</source>
        <translation>Stopped: the time limit passed</translation>
    </message>
    <message>
        <source>受信したデータを書き込めません</source>
        <translation>The data received cannot be written</translation>
    </message>
    <message>
        <source>サーバーが見つかりません</source>
        <translation>The server was not found</translation>
    </message>
    <message>
        <source>サーバーに接続できません</source>
        <translation>Cannot connect to the server</translation>
    </message>
    <message>
        <source>サーバーの応答が止まったため打ち切りました</source>
        <translation>Stopped: the server stopped answering</translation>
    </message>
    <message>
        <source>受信が途中で途切れました</source>
        <translation>The transfer broke off</translation>
    </message>
    <message>
        <source>サーバーとの通信が途中で切れました</source>
        <translation>The connection to the server was lost</translation>
    </message>
    <message>
        <source>URL が正しくありません (http または https のみ使えます)</source>
        <translation>The URL is not valid (only http and https can be used)</translation>
    </message>
    <message>
        <source>通信の準備に失敗しました</source>
        <translation>The connection could not be prepared</translation>
    </message>
    <message>
        <source>インストールされた新しいデータで、データフォルダを更新しました。</source>
        <translation>The data folder was updated with the newly installed data.</translation>
    </message>
    <message>
        <source>抽出条件などの設定は新しいデータのものになりました。</source>
        <translation>Settings such as draw conditions now come from the new data.</translation>
    </message>
    <message>
        <source>インストールされた新しいデータでデータフォルダを更新できませんでした。</source>
        <translation>The data folder could not be updated with the newly installed data.</translation>
    </message>
    <message>
        <source>これまでのデータで続けます。</source>
        <translation>TAVU goes on with the data as before.</translation>
    </message>
    <message>
        <source>利用者のデータフォルダの場所が分かりません (HOME が設定されていません)</source>
        <translation>The user&apos;s data folder is unknown (HOME is not set)</translation>
    </message>
    <message>
        <source>設定の行が足りません (100 行必要です)</source>
        <translation>The settings have too few lines (100 are needed)</translation>
    </message>
    <message>
        <source>整数ではない設定値があります</source>
        <translation>A setting is not a whole number</translation>
    </message>
    <message>
        <source>抽出コードの行 (「抽出コード: 」で始まる行) がありません</source>
        <translation>There is no draw code line (a line starting with &quot;抽出コード: &quot;)</translation>
    </message>
    <message>
        <source>一致しました</source>
        <translation>The result matches</translation>
    </message>
    <message>
        <source>抽出コードが空です</source>
        <translation>The draw code is empty</translation>
    </message>
    <message>
        <source>抽出コードではありません。コードを確かめて下さい</source>
        <translation>This is not a draw code. Please check the code</translation>
    </message>
    <message>
        <source>抽出コードが壊れています: 抽出の種類が読めません</source>
        <translation>The draw code is damaged: the kind of draw cannot be read</translation>
    </message>
    <message>
        <source>抽出コードが壊れています: 項目の並びが正しくありません</source>
        <translation>The draw code is damaged: its fields are out of order</translation>
    </message>
    <message>
        <source>表示言語は TAVU の次回の起動から切り替わります。</source>
        <translation>The language changes the next time TAVU starts.</translation>
    </message>
    <message>
        <source>設定を保存するフォルダがないため、表示言語を変えられません</source>
        <translation>There is no folder to keep settings in, so the language cannot be changed</translation>
    </message>
    <message>
        <source>言語(&amp;L) / Language</source>
        <translation>&amp;Language / 言語</translation>
    </message>
    <message>
        <source>システムの設定に従う</source>
        <translation>System language</translation>
    </message>
</context>
<context>
    <name>tavu::Ui::Ui</name>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
</context>
</TS>
