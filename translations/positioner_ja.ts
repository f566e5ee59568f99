<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CalibrationScreen</name>
    <message>
        <source>Set up</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>教示</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>座標系</translation>
    </message>
    <message>
        <source>Save and use</source>
        <translation>保存と使用</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>ポジショナ</translation>
    </message>
    <message>
        <source>Type of axis %1</source>
        <translation>軸 %1 の種類</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>External axis driving axis %1</source>
        <translation>軸 %1 を駆動する外部軸</translation>
    </message>
    <message>
        <source>External axes compared</source>
        <translation>比較する外部軸</translation>
    </message>
    <message>
        <source>Axis 1: points 1 to 3</source>
        <translation>軸 1：点 1～3</translation>
    </message>
    <message>
        <source>Axis 2: points 4 to 6</source>
        <translation>軸 2：点 4～6</translation>
    </message>
    <message>
        <source>User frame: points 7 to 9</source>
        <translation>ユーザ座標系：点 7～9</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>点 %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>軸 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>軸 2</translation>
    </message>
    <message>
        <source>Axis 2 to base</source>
        <translation>ベース基準の軸 2</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>ユーザ座標系</translation>
    </message>
    <message>
        <source>Write and send the calibration file</source>
        <translation>キャリブレーションファイルを書き込んで送信</translation>
    </message>
    <message>
        <source>Have the controller read it</source>
        <translation>コントローラに読み込ませる</translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation>レポートを書き出す</translation>
    </message>
    <message>
        <source>Register wobj_dyn0</source>
        <translation>wobj_dyn0 を登録</translation>
    </message>
    <message>
        <source>Save the object frames</source>
        <translation>オブジェクト座標系を保存</translation>
    </message>
    <message>
        <source>Rewrite the user-frame program</source>
        <translation>ユーザ座標系プログラムを書き直す</translation>
    </message>
    <message>
        <source>Active work object</source>
        <translation>有効なワークオブジェクト</translation>
    </message>
    <message>
        <source>The controller takes point %1.</source>
        <translation>コントローラが点 %1 を取り込んでいます。</translation>
    </message>
    <message>
        <source>Point %1 is cleared.</source>
        <translation>点 %1 を消去しています。</translation>
    </message>
    <message>
        <source>Poor group</source>
        <translation>不良なグループ</translation>
    </message>
    <message>
        <source>The advisor judges this group poor. Calculate from it all the same?</source>
        <translation>アドバイザはこのグループを不良と判定しています。それでも計算しますか？</translation>
    </message>
    <message>
        <source>Calculate all the same</source>
        <translation>それでも計算</translation>
    </message>
    <message>
        <source>Teach again</source>
        <translation>教示し直す</translation>
    </message>
    <message>
        <source>The controller calculates the user frame (up to 16 s).</source>
        <translation>コントローラがユーザ座標系を計算しています（最大 16 秒）。</translation>
    </message>
    <message>
        <source>The controller calculates axis %1 (up to 2 s).</source>
        <translation>コントローラが軸 %1 を計算しています（最大 2 秒）。</translation>
    </message>
    <message>
        <source>The frame is calculated.</source>
        <translation>座標系を計算しました。</translation>
    </message>
    <message>
        <source>The controller gave no frame.</source>
        <translation>コントローラから座標系が得られませんでした。</translation>
    </message>
    <message>
        <source>The calibration file could not be written.</source>
        <translation>キャリブレーションファイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>The calibration file is sent.</source>
        <translation>キャリブレーションファイルを送信しています。</translation>
    </message>
    <message>
        <source>The calibration file is written and sent.</source>
        <translation>キャリブレーションファイルを書き込んで送信しました。</translation>
    </message>
    <message>
        <source>The calibration file could not be sent.</source>
        <translation>キャリブレーションファイルを送信できませんでした。</translation>
    </message>
    <message>
        <source>The controller is asked to read the calibration file.</source>
        <translation>コントローラにキャリブレーションファイルの読み込みを要求しました。</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>レポートを %1 に書き出しました。</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>レポートを書き出せませんでした：%1</translation>
    </message>
    <message>
        <source>The controller switches to positioner %1.</source>
        <translation>コントローラがポジショナ %1 に切り替えています。</translation>
    </message>
    <message>
        <source>wobj_dyn0 follows positioner %1.</source>
        <translation>wobj_dyn0 はポジショナ %1 に追従します。</translation>
    </message>
    <message>
        <source>The editor did not accept wobj_dyn0.</source>
        <translation>エディタは wobj_dyn0 を受け付けませんでした。</translation>
    </message>
    <message>
        <source>The object frames are saved.</source>
        <translation>オブジェクト座標系を保存しました。</translation>
    </message>
    <message>
        <source>The object frames could not be saved.</source>
        <translation>オブジェクト座標系を保存できませんでした。</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten.</source>
        <translation>ユーザ座標系プログラムを書き直しています。</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten and sent.</source>
        <translation>ユーザ座標系プログラムを書き直して送信しました。</translation>
    </message>
    <message>
        <source>The user-frame program could not be rewritten.</source>
        <translation>ユーザ座標系プログラムを書き直せませんでした。</translation>
    </message>
    <message>
        <source>%1 is the active work object.</source>
        <translation>%1 が有効なワークオブジェクトです。</translation>
    </message>
    <message>
        <source>%1 could not be activated.</source>
        <translation>%1 を有効にできませんでした。</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm, a %4 b %5 c %6°</source>
        <translation>x %1 y %2 z %3 mm、a %4 b %5 c %6°</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm; external axes %4</source>
        <translation>x %1 y %2 z %3 mm、外部軸 %4</translation>
    </message>
    <message>
        <source>not taught</source>
        <translation>未教示</translation>
    </message>
    <message>
        <source>taught</source>
        <translation>教示済み</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒否</translation>
    </message>
    <message>
        <source>Teach the three points; the advisor then judges them.</source>
        <translation>3 点を教示してください。その後アドバイザが判定します。</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; circles: taught points</source>
        <translation>x 実線、y 破線、z 点線、円：教示済みの点</translation>
    </message>
    <message>
        <source>No positioner changed since the calibration file was read.</source>
        <translation>キャリブレーションファイルの読み込み以降、変更されたポジショナはありません。</translation>
    </message>
    <message>
        <source>Changed since the calibration file was read: positioner %1.</source>
        <translation>キャリブレーションファイルの読み込み以降に変更：ポジショナ %1。</translation>
    </message>
</context>
<context>
    <name>FrameDrawing</name>
    <message>
        <source>Top view (x to the right, y up)</source>
        <translation>上面図（x は右、y は上）</translation>
    </message>
    <message>
        <source>Side view (x to the right, z up)</source>
        <translation>側面図（x は右、z は上）</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
</context>
<context>
    <name>PositionerAdvisor</name>
    <message>
        <source>good</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>marginal</source>
        <translation>要注意</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>不良</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>未完了</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>上限なし</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>ユーザ座標系</translation>
    </message>
    <message>
        <source>Positioner axis %1</source>
        <translation>ポジショナ軸 %1</translation>
    </message>
    <message>
        <source>There is no group %1 of calibration points.</source>
        <translation>キャリブレーション点のグループ %1 はありません。</translation>
    </message>
    <message>
        <source>%1: point %2 is not taught yet.</source>
        <translation>%1: 点 %2 はまだ教示されていません。</translation>
    </message>
    <message>
        <source>%1: the points hold values that are no positions a robot can reach.</source>
        <translation>%1: 点にロボットが到達できる位置ではない値が含まれています。</translation>
    </message>
    <message>
        <source>%1: points coincide or all lie on one line; the calculation would fail.</source>
        <translation>%1: 点が重なっているか、すべて一直線上にあります。計算は失敗します。</translation>
    </message>
    <message>
        <source>%1: the smallest angle of the triangle is %2 degrees, its shortest side %3 mm, and the third point lies %4 mm from the line through the first two. With touches off by %5 mm the frame will be turned by about %6 degrees (up to %7) and its origin off by %8 mm.</source>
        <translation>%1: 三角形の最小角は %2 度、最短辺は %3 mm、3 点目は最初の 2 点を通る直線から %4 mm 離れています。タッチの誤差が %5 mm の場合、座標系は約 %6 度（最大 %7）回転し、原点は %8 mm ずれます。</translation>
    </message>
    <message>
        <source>%1: the points span %2 degrees of a circle of radius %3 mm. With touches off by %4 mm the axis will be off by about %5 mm (up to %6 mm) and tilted by about %7 degrees (up to %8).</source>
        <translation>%1: 点は半径 %3 mm の円の %2 度にわたっています。タッチの誤差が %4 mm の場合、軸は約 %5 mm（最大 %6 mm）ずれ、約 %7 度（最大 %8）傾きます。</translation>
    </message>
    <message>
        <source>%1 Verdict: %2.</source>
        <translation>%1 判定: %2。</translation>
    </message>
    <message>
        <source>The groups are 0 (positioner axis 1), 1 (positioner axis 2) and 2 (user frame).</source>
        <translation>グループは 0（ポジショナ軸 1）、1（ポジショナ軸 2）、2（ユーザ座標系）です。</translation>
    </message>
    <message>
        <source>Teach point %1.</source>
        <translation>点 %1 を教示してください。</translation>
    </message>
    <message>
        <source>Teach the points of this group again.</source>
        <translation>このグループの点を教示し直してください。</translation>
    </message>
    <message>
        <source>Teach three marks that form a triangle: the third point must not lie on the line through the first two.</source>
        <translation>三角形を成す 3 つのマークを教示してください。3 点目は最初の 2 点を通る直線上にあってはなりません。</translation>
    </message>
    <message>
        <source>Turn the positioner between the points so that the mark moves on a circle.</source>
        <translation>マークが円周上を動くように、点の間でポジショナを回転させてください。</translation>
    </message>
    <message>
        <source>Spread the points at least %1 degrees apart: turn positioner axis %2 further between them.</source>
        <translation>点を少なくとも %1 度離してください。点の間でポジショナ軸 %2 をさらに回転させてください。</translation>
    </message>
    <message>
        <source>Touch a mark further from the axis: its direction is found the better the larger the circle.</source>
        <translation>軸からもっと離れたマークにタッチしてください。円が大きいほど方向が正確に求まります。</translation>
    </message>
    <message>
        <source>The third point lies almost on the line through the first two: move it further from that line.</source>
        <translation>3 点目が最初の 2 点を通る直線のほぼ上にあります。その直線から離してください。</translation>
    </message>
    <message>
        <source>Put the second point further from the first along x.</source>
        <translation>2 点目を x 方向に 1 点目からもっと離してください。</translation>
    </message>
    <message>
        <source>Teach marks further apart: the orientation is found the better the larger the triangle.</source>
        <translation>もっと離れたマークを教示してください。三角形が大きいほど姿勢が正確に求まります。</translation>
    </message>
    <message>
        <source>The placement is sound; touch the points more carefully.</source>
        <translation>配置は適切です。点をもっと丁寧にタッチしてください。</translation>
    </message>
    <message>
        <source>Point %1 was taken.</source>
        <translation>点 %1 を取り込みました。</translation>
    </message>
    <message>
        <source>There is no calibration point %1; the points are numbered 1 to 9.</source>
        <translation>キャリブレーション点 %1 はありません。点の番号は 1 から 9 です。</translation>
    </message>
    <message>
        <source>Point %1 was not taken: no positioner is selected.</source>
        <translation>点 %1 は取り込まれませんでした。ポジショナが選択されていません。</translation>
    </message>
    <message>
        <source>Point %1 is %2 from point %3 (position and orientation summed); at least %4 is needed.</source>
        <translation>点 %1 は点 %3 から %2 離れています（位置と姿勢の合計）。少なくとも %4 必要です。</translation>
    </message>
    <message>
        <source>Point %1 was too close to another point of its group.</source>
        <translation>点 %1 はグループ内の別の点に近すぎました。</translation>
    </message>
    <message>
        <source>The external axes moved %2 in all between point %3 and point %1; at least %4 is needed.</source>
        <translation>点 %3 と点 %1 の間で外部軸は合計 %2 動きました。少なくとも %4 必要です。</translation>
    </message>
    <message>
        <source>The positioner did not turn enough before point %1.</source>
        <translation>点 %1 の前にポジショナが十分に回転していません。</translation>
    </message>
    <message>
        <source>Point %1 was refused: no external axes are compared, so the turn of the positioner cannot be seen.</source>
        <translation>点 %1 は拒否されました。比較する外部軸がないため、ポジショナの回転を確認できません。</translation>
    </message>
    <message>
        <source>External axis %2, which drives positioner axis %3, moved %4 between point %5 and point %1; at least %6 is needed.</source>
        <translation>ポジショナ軸 %3 を駆動する外部軸 %2 は、点 %5 と点 %1 の間で %4 動きました。少なくとも %6 必要です。</translation>
    </message>
    <message>
        <source>External axis %2 did not turn enough before point %1.</source>
        <translation>点 %1 の前に外部軸 %2 が十分に回転していません。</translation>
    </message>
    <message>
        <source>Positioner axis %2 is set to external axis %3, but only %4 external axes are compared, so point %1 cannot show it turning.</source>
        <translation>ポジショナ軸 %2 は外部軸 %3 に設定されていますが、比較される外部軸は %4 軸だけなので、点 %1 ではその回転を確認できません。</translation>
    </message>
    <message>
        <source>The other external axes moved %2 in all between point %3 and point %1; at most %4 is allowed.</source>
        <translation>点 %3 と点 %1 の間で他の外部軸が合計 %2 動きました。許容されるのは最大 %4 です。</translation>
    </message>
    <message>
        <source>Other external axes turned before point %1.</source>
        <translation>点 %1 の前に他の外部軸が回転しました。</translation>
    </message>
    <message>
        <source>The positioner moved %2 between point %3 and point %1; user-frame points need it at rest (less than %4).</source>
        <translation>点 %3 と点 %1 の間でポジショナが %2 動きました。ユーザ座標系の点ではポジショナを静止させる必要があります（%4 未満）。</translation>
    </message>
    <message>
        <source>The positioner moved before point %1.</source>
        <translation>点 %1 の前にポジショナが動きました。</translation>
    </message>
    <message>
        <source>Point %1: %2 is not a result of teaching this point.</source>
        <translation>点 %1: %2 はこの点の教示結果ではありません。</translation>
    </message>
    <message>
        <source>Teach one of the points 1 to 9.</source>
        <translation>点 1 から 9 のいずれかを教示してください。</translation>
    </message>
    <message>
        <source>Select a positioner first.</source>
        <translation>先にポジショナを選択してください。</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further before touching the mark again.</source>
        <translation>マークに再びタッチする前に、ポジショナ軸 %1 をさらに回転させてください。</translation>
    </message>
    <message>
        <source>Touch a mark further away from the other points.</source>
        <translation>他の点からもっと離れたマークにタッチしてください。</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further between the points.</source>
        <translation>点の間でポジショナ軸 %1 をさらに回転させてください。</translation>
    </message>
    <message>
        <source>Set the number of external axes before teaching the axis points.</source>
        <translation>軸の点を教示する前に外部軸の数を設定してください。</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 itself, and check that external axis %2 is the one that drives it.</source>
        <translation>ポジショナ軸 %1 そのものを回転させ、外部軸 %2 がそれを駆動する軸であることを確認してください。</translation>
    </message>
    <message>
        <source>Correct the external axis of positioner axis %1 or the number of external axes.</source>
        <translation>ポジショナ軸 %1 の外部軸、または外部軸の数を修正してください。</translation>
    </message>
    <message>
        <source>Leave the other axes where they stood at point %1 and turn only positioner axis %2.</source>
        <translation>他の軸は点 %1 のときの位置のままにして、ポジショナ軸 %2 だけを回転させてください。</translation>
    </message>
    <message>
        <source>Turn only positioner axis %1.</source>
        <translation>ポジショナ軸 %1 だけを回転させてください。</translation>
    </message>
    <message>
        <source>Turn the positioner back to where it stood at point %1.</source>
        <translation>ポジショナを点 %1 のときの位置に戻してください。</translation>
    </message>
    <message>
        <source>Keep the positioner at rest while teaching the user frame.</source>
        <translation>ユーザ座標系の教示中はポジショナを静止させてください。</translation>
    </message>
    <message>
        <source>Point %1 was refused: the position of point %1 or of point %2 is not a valid number.</source>
        <translation>点 %1 は拒否されました: 点 %1 または点 %2 の位置が有効な数値ではありません。</translation>
    </message>
</context>
<context>
    <name>PositionerTool</name>
    <message>
        <source>cannot read the file: %1</source>
        <translation>ファイルを読み込めません: %1</translation>
    </message>
    <message>
        <source>line %1: not well-formed XML: %2</source>
        <translation>%1 行目: 整形式の XML ではありません: %2</translation>
    </message>
    <message>
        <source>not a calibration file: the root element is &lt;%1&gt;, not &lt;FramePar&gt;</source>
        <translation>キャリブレーションファイルではありません: ルート要素が &lt;FramePar&gt; ではなく &lt;%1&gt; です</translation>
    </message>
    <message>
        <source>not a calibration file: no root element</source>
        <translation>キャリブレーションファイルではありません: ルート要素がありません</translation>
    </message>
    <message>
        <source>entry %1 of &lt;FramePar&gt;</source>
        <translation>&lt;FramePar&gt; のエントリ %1</translation>
    </message>
    <message>
        <source>%1 entries instead of %2: positioners from %3 on keep what the pendant held before the read</source>
        <translation>エントリが %2 個ではなく %1 個です: %3 以降のポジショナは読み込み前にペンダントが保持していた内容のままです</translation>
    </message>
    <message>
        <source>%1 lies beyond the tenth and is ignored</source>
        <translation>%1 は 10 番目より後にあるため無視されます</translation>
    </message>
    <message>
        <source>%1 is not an element but is read as the record of positioner %2, with both axes in use</source>
        <translation>%1 は要素ではありませんが、両軸使用中のポジショナ %2 のレコードとして読み込まれます</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>処理命令</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is read as the record of positioner %2</source>
        <translation>&lt;%1&gt; はポジショナ %2 のレコードとして読み込まれます</translation>
    </message>
    <message>
        <source>a &lt;Positioner&gt; without an id is read as positioner %1</source>
        <translation>id のない &lt;Positioner&gt; はポジショナ %1 として読み込まれます</translation>
    </message>
    <message>
        <source>&lt;Positioner&gt; with id &quot;%1&quot; is %2 and is read as positioner %3</source>
        <translation>id &quot;%1&quot; の &lt;Positioner&gt; は %2 で、ポジショナ %3 として読み込まれます</translation>
    </message>
    <message>
        <source>unexpected attribute &quot;%1&quot; on &lt;%2&gt;</source>
        <translation>&lt;%2&gt; に予期しない属性 &quot;%1&quot; があります</translation>
    </message>
    <message>
        <source>unexpected %1 in &lt;%2&gt;</source>
        <translation>&lt;%2&gt; に予期しない%1があります</translation>
    </message>
    <message>
        <source>processing instruction</source>
        <translation>処理命令</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt;</source>
        <translation>予期しない要素 &lt;%1&gt;</translation>
    </message>
    <message>
        <source>second &lt;%1&gt;: only the first is read</source>
        <translation>2 つ目の &lt;%1&gt;: 最初のものだけが読み込まれます</translation>
    </message>
    <message>
        <source>&lt;Axes1Index&gt; and &lt;Axes2Index&gt; are both %1: two axes on one external axis</source>
        <translation>&lt;Axes1Index&gt; と &lt;Axes2Index&gt; がどちらも %1 です: 1 つの外部軸に 2 つの軸があります</translation>
    </message>
    <message>
        <source>&lt;EnableAxesNum&gt; is %1 but the types put %2 axes in use</source>
        <translation>&lt;EnableAxesNum&gt; は %1 ですが、タイプからは %2 軸が使用中です</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: the axis is read as in use</source>
        <translation>&lt;%1&gt; がありません: 軸は使用中として読み込まれます</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: read as external axis 0</source>
        <translation>&lt;%1&gt; がありません: 外部軸 0 として読み込まれます</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;</source>
        <translation>&lt;%1&gt; がありません</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: its x is read as 0 and its other values are left as they were</source>
        <translation>&lt;%1&gt; がありません: x は 0 として読み込まれ、他の値はそのままです</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds more than one text</source>
        <translation>&lt;%1&gt; に複数のテキストがあります</translation>
    </message>
    <message>
        <source>&lt;%1&gt; &quot;%2&quot; is not a decimal integer: read as %3</source>
        <translation>&lt;%1&gt; &quot;%2&quot; は 10 進整数ではありません: %3 として読み込まれます</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 is below -1: read as an axis not in use</source>
        <translation>&lt;%1&gt; %2 は -1 未満です: 未使用の軸として読み込まれます</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 does not lie past the robot&apos;s %3 axes: read as external axis 0</source>
        <translation>&lt;%1&gt; %2 はロボットの %3 軸より後ろにありません: 外部軸 0 として読み込まれます</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is %2 for an axis not in use, which is written as 0</source>
        <translation>&lt;%1&gt; は未使用の軸に対して %2 です。0 として書き込まれます</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds %2 values instead of %3</source>
        <translation>&lt;%1&gt; の値が %3 個ではなく %2 個です</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not a number: read as 0</source>
        <translation>&lt;%1&gt; の値 %2 &quot;%3&quot; は数値ではありません: 0 として読み込まれます</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not written with four decimals</source>
        <translation>&lt;%1&gt; の値 %2 &quot;%3&quot; が小数点以下 4 桁で書かれていません</translation>
    </message>
    <message>
        <source>Exit status: 0 clean, 1 findings, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>終了ステータス: 0 問題なし、1 指摘あり、2 キャリブレーションファイルではない、読み込めない、または使い方の誤り。</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>コマンド。</translation>
    </message>
    <message>
        <source>The robot&apos;s own axis count, which offsets the axis indices (default 6).</source>
        <translation>ロボット自身の軸数。軸インデックスのオフセットになります（既定値 6）。</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>読み込むファイル。</translation>
    </message>
    <message>
        <source>%1 takes %2 file argument(s)</source>
        <translation>%1 には %2 個のファイル引数が必要です</translation>
    </message>
    <message>
        <source>--axis-count takes a number from 0 to 64</source>
        <translation>--axis-count には 0 から 64 の数値が必要です</translation>
    </message>
    <message>
        <source>See: positioner-tool %1 --help</source>
        <translation>参照: positioner-tool %1 --help</translation>
    </message>
    <message>
        <source>The first calibration file.</source>
        <translation>1 つ目のキャリブレーションファイル。</translation>
    </message>
    <message>
        <source>The second calibration file.</source>
        <translation>2 つ目のキャリブレーションファイル。</translation>
    </message>
    <message>
        <source>Checks a calibration file the way a careful reader would: ten &lt;Positioner&gt; entries with ids 1 to 10 in order, the nine value elements, &lt;EnableAxesNum&gt; matching the types, frames of six numbers with four decimals, nothing unexpected. Each finding names its line and says what the pendant&apos;s by-position read makes of it.
</source>
        <translation>キャリブレーションファイルを注意深い読み手のように検査します: id 1 から 10 が順に並んだ 10 個の &lt;Positioner&gt; エントリ、9 つの値要素、タイプと一致する &lt;EnableAxesNum&gt;、小数点以下 4 桁の 6 つの数値からなる座標系、予期しないものがないこと。各指摘には行番号と、ペンダントの位置による読み込みでそれがどう扱われるかが示されます。
</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: 指摘なし</translation>
    </message>
    <message>
        <source>%1: %2 finding(s)</source>
        <translation>%1: 指摘 %2 件</translation>
    </message>
    <message>
        <source>Shows the ten records as the pendant holds them after reading the file: types, indices after the offsets, frames.
Exit status: 0 shown, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>ファイルを読み込んだ後にペンダントが保持する 10 個のレコードを表示します: タイプ、オフセット後のインデックス、座標系。
終了ステータス: 0 表示した、2 キャリブレーションファイルではない、読み込めない、または使い方の誤り。</translation>
    </message>
    <message>
        <source>JSON for scripts instead of a table.</source>
        <translation>表の代わりにスクリプト用の JSON。</translation>
    </message>
    <message>
        <source>Compares two calibration files record by record, as the pendant reads them (for example the pendant&apos;s copy against the controller&apos;s, or before against after a calibration): which positioners differ, in which fields, and how far each frame moved (mm) and turned (degrees). The date comments and the layout are not compared.
Exit status: 0 the same calibration, 1 differences, 2 either file is not a calibration file or unreadable, or a usage error.</source>
        <translation>2 つのキャリブレーションファイルを、ペンダントが読み込むとおりにレコードごとに比較します（例えばペンダントのコピーとコントローラのコピー、またはキャリブレーションの前と後）: どのポジショナがどのフィールドで異なるか、各座標系がどれだけ移動（mm）し回転（度）したか。日付のコメントとレイアウトは比較しません。
終了ステータス: 0 同じキャリブレーション、1 差異あり、2 いずれかのファイルがキャリブレーションファイルではないか読み込めない、または使い方の誤り。</translation>
    </message>
    <message>
        <source>Finds every declaration of wobj_dyn0 in a GLOBAL.var, decodes its initial value and prints its user frame, object frame, flags and base name; reports what the controller would choke on.
Exit status: 0 clean, 1 findings, 2 not a global variable file, unreadable, or a usage error.</source>
        <translation>GLOBAL.var 内の wobj_dyn0 の宣言をすべて見つけ、初期値を解読して、ユーザ座標系、オブジェクト座標系、フラグ、ベース名を出力します。コントローラが処理できない箇所を報告します。
終了ステータス: 0 問題なし、1 指摘あり、2 グローバル変数ファイルではない、読み込めない、または使い方の誤り。</translation>
    </message>
    <message>
        <source>Writes one self-contained HTML page: per positioner in use a drawing of its frames from above and from the side, and the table of its values; with --before, the previous calibration drawn faded and the changes listed. The check&apos;s findings head the page.
Exit status: 0 written for a clean file, 1 written with findings, 2 not a calibration file, unreadable, not written, or a usage error.</source>
        <translation>単独で完結した HTML ページを 1 つ書き出します: 使用中のポジショナごとに、座標系の上面図と側面図、および値の表。--before を指定すると、前回のキャリブレーションを薄く描き、変更点を一覧にします。検査の指摘はページの先頭に載ります。
終了ステータス: 0 問題のないファイルについて書き出した、1 指摘ありで書き出した、2 キャリブレーションファイルではない、読み込めない、書き出せなかった、または使い方の誤り。</translation>
    </message>
    <message>
        <source>The page to write.</source>
        <translation>書き出すページ。</translation>
    </message>
    <message>
        <source>The page&apos;s title.</source>
        <translation>ページのタイトル。</translation>
    </message>
    <message>
        <source>The previous calibration file, to compare.</source>
        <translation>比較する前回のキャリブレーションファイル。</translation>
    </message>
    <message>
        <source>report needs the page to write: -o FILE</source>
        <translation>report には書き出すページが必要です: -o FILE</translation>
    </message>
    <message>
        <source>%1: the report would overwrite a file it reads</source>
        <translation>%1: レポートが読み込むファイルを上書きしてしまいます</translation>
    </message>
    <message>
        <source>Positioner calibration</source>
        <translation>ポジショナのキャリブレーション</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>レポートを書き出せません: %1</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>レポートを %1 に書き出しました</translation>
    </message>
    <message>
        <source>Looks inside the positioner calibration file and the controller&apos;s GLOBAL.var without changing them.

Commands:
  check FILE       validate a calibration file
  show FILE        the ten records as the pendant holds them (--json for scripts)
  diff A B         which positioners differ, and by how much
  globalvar FILE   the wobj_dyn0 declarations of a GLOBAL.var
  report FILE -o report.html   a visual report of the calibration

Run positioner-tool COMMAND --help for a command&apos;s options.
</source>
        <translation>ポジショナのキャリブレーションファイルとコントローラの GLOBAL.var を変更せずに調べます。

コマンド:
  check FILE       キャリブレーションファイルを検査する
  show FILE        ペンダントが保持する 10 個のレコード（スクリプト用に --json）
  diff A B         どのポジショナがどれだけ異なるか
  globalvar FILE   GLOBAL.var の wobj_dyn0 の宣言
  report FILE -o report.html   キャリブレーションの視覚的なレポート

コマンドのオプションは positioner-tool コマンド --help で表示されます。
</translation>
    </message>
    <message>
        <source>The command to run.</source>
        <translation>実行するコマンド。</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>不明なコマンド &quot;%1&quot;</translation>
    </message>
    <message>
        <source>See: positioner-tool --help</source>
        <translation>参照: positioner-tool --help</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 moved %2 mm, turned %3 deg (%4)</source>
        <translation>%1 移動 %2 mm、回転 %3 度（%4）</translation>
    </message>
    <message>
        <source>entry only in the first file</source>
        <translation>1 つ目のファイルにだけあるエントリ</translation>
    </message>
    <message>
        <source>entry only in the second file</source>
        <translation>2 つ目のファイルにだけあるエントリ</translation>
    </message>
    <message>
        <source>No differences.
</source>
        <translation>差異はありません。
</translation>
    </message>
    <message>
        <source>Positioner %1
</source>
        <translation>ポジショナ %1
</translation>
    </message>
    <message>
        <source>Positioners that differ: %1 of %2.
</source>
        <translation>異なるポジショナ: %2 個中 %1 個。
</translation>
    </message>
    <message>
        <source>not a global variable file: no root element &lt;Xpl-source&gt;</source>
        <translation>グローバル変数ファイルではありません: ルート要素 &lt;Xpl-source&gt; がありません</translation>
    </message>
    <message>
        <source>wobj_dyn0 declared outside &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt;: the pendant leaves it alone</source>
        <translation>wobj_dyn0 が &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt; の外で宣言されています: ペンダントはそれに触れません</translation>
    </message>
    <message>
        <source>&lt;Name&gt; &quot;%1&quot; is not exactly wobj_dyn0: the pendant leaves it alone</source>
        <translation>&lt;Name&gt; &quot;%1&quot; は wobj_dyn0 と完全には一致しません: ペンダントはそれに触れません</translation>
    </message>
    <message>
        <source>no declaration of wobj_dyn0: the pendant cannot set the dynamic work object</source>
        <translation>wobj_dyn0 の宣言がありません: ペンダントは動的ワークオブジェクトを設定できません</translation>
    </message>
    <message>
        <source>wobj_dyn0 is declared again (first on line %1)</source>
        <translation>wobj_dyn0 が再び宣言されています（最初は %1 行目）</translation>
    </message>
    <message>
        <source>no &lt;InitValue&gt;: the pendant has nowhere to write the work object</source>
        <translation>&lt;InitValue&gt; がありません: ペンダントはワークオブジェクトを書き込む場所がありません</translation>
    </message>
    <message>
        <source>empty &lt;InitValue&gt;: the pendant leaves it empty</source>
        <translation>&lt;InitValue&gt; が空です: ペンダントは空のままにします</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not JSON: %1 at character %2</source>
        <translation>&lt;InitValue&gt; は JSON ではありません: %2 文字目で %1</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not a JSON object</source>
        <translation>&lt;InitValue&gt; は JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not %2</source>
        <translation>&quot;%1&quot; がないか、%2ではありません</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true または false</translation>
    </message>
    <message>
        <source>unexpected member &quot;%1&quot;</source>
        <translation>予期しないメンバー &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1:%2: wobj_dyn0
</source>
        <translation>%1:%2: wobj_dyn0
</translation>
    </message>
    <message>
        <source>  initial value not usable, see below
</source>
        <translation>  初期値は使用できません。下記を参照
</translation>
    </message>
    <message>
        <source>  user frame    %1
</source>
        <translation>  ユーザ座標系      %1
</translation>
    </message>
    <message>
        <source>  object frame  %1
</source>
        <translation>  オブジェクト座標系 %1
</translation>
    </message>
    <message>
        <source>  movable %1, on robot %2, base name &quot;%3&quot;
</source>
        <translation>  可動 %1、ロボット上 %2、ベース名 &quot;%3&quot;
</translation>
    </message>
    <message>
        <source>axis 1</source>
        <translation>軸 1</translation>
    </message>
    <message>
        <source>axis 2</source>
        <translation>軸 2</translation>
    </message>
    <message>
        <source>user frame</source>
        <translation>ユーザ座標系</translation>
    </message>
    <message>
        <source>Frames of positioner %1</source>
        <translation>ポジショナ %1 の座標系</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; faded: before</source>
        <translation>x 実線、y 破線、z 点線。薄い線: 変更前</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted</source>
        <translation>x 実線、y 破線、z 点線</translation>
    </message>
    <message>
        <source>axis %1: not in use</source>
        <translation>軸 %1: 未使用</translation>
    </message>
    <message>
        <source>Calibration file %1, robot axis count %2.</source>
        <translation>キャリブレーションファイル %1、ロボットの軸数 %2。</translation>
    </message>
    <message>
        <source>Compared with the previous calibration %1.</source>
        <translation>前回のキャリブレーション %1 と比較しました。</translation>
    </message>
    <message>
        <source>The file passes the check.</source>
        <translation>ファイルは検査に合格しました。</translation>
    </message>
    <message>
        <source>The check finds %1 problem(s):</source>
        <translation>検査で %1 件の問題が見つかりました:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>Positioner %1</source>
        <translation>ポジショナ %1</translation>
    </message>
    <message>
        <source>Not drawn, its values are out of reach: %1.</source>
        <translation>描画されていません。値が範囲外です: %1。</translation>
    </message>
    <message>
        <source>Unchanged since the previous calibration.</source>
        <translation>前回のキャリブレーションから変更はありません。</translation>
    </message>
    <message>
        <source>Positioners not in use: %1.</source>
        <translation>未使用のポジショナ: %1。</translation>
    </message>
    <message>
        <source>axis %1 not in use (type %2, index %3)</source>
        <translation>軸 %1 未使用（タイプ %2、インデックス %3）</translation>
    </message>
    <message>
        <source>axis %1 type %2, index %3</source>
        <translation>軸 %1 タイプ %2、インデックス %3</translation>
    </message>
    <message>
        <source>Robot axis count %1; indices count among the external axes from 0.
</source>
        <translation>ロボットの軸数 %1。インデックスは外部軸の中で 0 から数えます。
</translation>
    </message>
    <message>
        <source>Positioner %1: no entry, the pendant keeps what it held
</source>
        <translation>ポジショナ %1: エントリがありません。ペンダントは保持していた内容のままです
</translation>
    </message>
    <message>
        <source>Positioner %1 (line %2): %3; %4
</source>
        <translation>ポジショナ %1（%2 行目）: %3; %4
</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not finite: read as 0</source>
        <translation>&lt;%1&gt; の値 %2 &quot;%3&quot; は有限ではありません: 0 として読み込まれます</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>ファイルを置き換えられませんでした</translation>
    </message>
    <message>
        <source>%1 moved farther than a number can say, turned %2 deg (%3)</source>
        <translation>%1 移動 数値で表せないほど遠く、回転 %2 度（%3）</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>%1 MiB を超えています</translation>
    </message>
    <message>
        <source>entries %1 to %2 of &lt;FramePar&gt; lie beyond the tenth and are ignored</source>
        <translation>&lt;FramePar&gt; の項目 %1 から %2 は 10 番目より後にあるため無視されます</translation>
    </message>
    <message>
        <source>and %1 more; positioner-tool check lists them all</source>
        <translation>ほか %1 件。すべては positioner-tool check で一覧できます</translation>
    </message>
    <message>
        <source>axis %1: type %2, driven by external axis %3 (in the file: type %4, index %5 = %6 robot axes + %3)</source>
        <translation>軸 %1：種類 %2、外部軸 %3 で駆動（ファイル内：種類 %4、インデックス %5 = ロボット軸 %6 + %3）</translation>
    </message>
    <message>
        <source>%1: not drawn, this program has no fonts to draw with.</source>
        <translation>%1: 描画されていません。このプログラムには描画に使うフォントがありません。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 は %2 で、%3 から %4 の範囲外です</translation>
    </message>
    <message>
        <source>the path %1 holds a NUL character</source>
        <translation>パス %1 に NUL 文字が含まれています</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 holds a value that is not a finite number</source>
        <translation>%1 に有限の数でない値が含まれています</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 ms</source>
        <translation>%1 が %2 ミリ秒以内に応答しませんでした</translation>
    </message>
    <message>
        <source>the controller was switched away from positioner %1 after each of %2 requests</source>
        <translation>%2 回の要求のたびに、コントローラがポジショナ %1 から切り替えられました</translation>
    </message>
    <message>
        <source>the transfer service did not fetch %1 from the controller</source>
        <translation>転送サービスがコントローラから %1 を取得しませんでした</translation>
    </message>
    <message>
        <source>the transfer service did not send %1 to the controller</source>
        <translation>転送サービスが %1 をコントローラに送信しませんでした</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML at line %2 (offset %3)</source>
        <translation>%1 の %2 行目 (オフセット %3) は整形式の XML ではありません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>%1 を置き換えられません</translation>
    </message>
    <message>
        <source>%1 would grow by more than %2 bytes at line %3</source>
        <translation>%1 は %3 行目で %2 バイトを超えて大きくなります</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a CR that ends no line</source>
        <translation>%2 の %1 行目に、行を終えない CR が含まれています</translation>
    </message>
    <message>
        <source>%1 is encoded in UTF-16 or UTF-32</source>
        <translation>%1 は UTF-16 または UTF-32 でエンコードされています</translation>
    </message>
    <message>
        <source>the editor refused write mode for %1</source>
        <translation>エディタが %1 の書き込みモードを拒否しました</translation>
    </message>
    <message>
        <source>the open program declares no variable %1</source>
        <translation>開いているプログラムは変数 %1 を宣言していません</translation>
    </message>
    <message>
        <source>%1 is a constant of the open program</source>
        <translation>%1 は開いているプログラムの定数です</translation>
    </message>
    <message>
        <source>the editor refused to make %1 the active work object</source>
        <translation>エディタが %1 をアクティブなワークオブジェクトにすることを拒否しました</translation>
    </message>
    <message>
        <source>the editor refused to register %1 as a dynamic reference system</source>
        <translation>エディタが %1 を動的参照系として登録することを拒否しました</translation>
    </message>
    <message>
        <source>point %1 failed the plausibility check (result %2)</source>
        <translation>ポイント %1 が妥当性チェックに合格しませんでした (結果 %2)</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, more than the %3 bytes allowed</source>
        <translation>%1 は %2 バイトで、許容される %3 バイトを超えています</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>メモリが不足していました</translation>
    </message>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>GLOBAL.var を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>GLOBAL.var を送信できませんでした。</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>GLOBAL.var を取得できませんでした。</translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <source>Positioner calibration</source>
        <translation>ポジショナのキャリブレーション</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
</context>
<context>
    <name>SimulatedCellPanel</name>
    <message>
        <source>Simulated cell</source>
        <translation>シミュレーションセル</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>セル</translation>
    </message>
    <message>
        <source>Standard cell</source>
        <translation>標準セル</translation>
    </message>
    <message>
        <source>Tilted positioner</source>
        <translation>傾いたポジショナ</translation>
    </message>
    <message>
        <source>Positioner axis 1</source>
        <translation>ポジショナ軸 1</translation>
    </message>
    <message>
        <source>Positioner axis 2</source>
        <translation>ポジショナ軸 2</translation>
    </message>
    <message>
        <source>What the tool touches</source>
        <translation>ツールが触れる位置</translation>
    </message>
    <message>
        <source>Marker on the table</source>
        <translation>テーブル上のマーカー</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>タッチ</translation>
    </message>
    <message>
        <source>Touch noise (mm)</source>
        <translation>タッチのばらつき (mm)</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>軸 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>軸 2</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>ユーザ座標系</translation>
    </message>
    <message>
        <source>%1: %2 mm and %3° from the true frame</source>
        <translation>%1：真の座標系から %2 mm、%3°</translation>
    </message>
    <message>
        <source>faded: the true frames</source>
        <translation>淡色：真の座標系</translation>
    </message>
    <message>
        <source>Origin mark</source>
        <translation>原点マーク</translation>
    </message>
    <message>
        <source>Mark on x</source>
        <translation>x 上のマーク</translation>
    </message>
    <message>
        <source>Mark in the plane</source>
        <translation>平面内のマーク</translation>
    </message>
</context>
</TS>
