<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CalibrationScreen</name>
    <message>
        <source>Set up</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>示教</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>坐标系</translation>
    </message>
    <message>
        <source>Save and use</source>
        <translation>保存和使用</translation>
    </message>
    <message>
        <source>Positioner</source>
        <translation>变位机</translation>
    </message>
    <message>
        <source>Type of axis %1</source>
        <translation>轴 %1 的类型</translation>
    </message>
    <message>
        <source>not in use</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>External axis driving axis %1</source>
        <translation>驱动轴 %1 的外部轴</translation>
    </message>
    <message>
        <source>External axes compared</source>
        <translation>比较的外部轴数</translation>
    </message>
    <message>
        <source>Axis 1: points 1 to 3</source>
        <translation>轴 1：点 1 至 3</translation>
    </message>
    <message>
        <source>Axis 2: points 4 to 6</source>
        <translation>轴 2：点 4 至 6</translation>
    </message>
    <message>
        <source>User frame: points 7 to 9</source>
        <translation>用户坐标系：点 7 至 9</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>点 %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>轴 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>轴 2</translation>
    </message>
    <message>
        <source>Axis 2 to base</source>
        <translation>轴 2 相对基座</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>用户坐标系</translation>
    </message>
    <message>
        <source>Write and send the calibration file</source>
        <translation>写入并发送标定文件</translation>
    </message>
    <message>
        <source>Have the controller read it</source>
        <translation>让控制器读取</translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation>写入报告</translation>
    </message>
    <message>
        <source>Register wobj_dyn0</source>
        <translation>注册 wobj_dyn0</translation>
    </message>
    <message>
        <source>Save the object frames</source>
        <translation>保存工件坐标系</translation>
    </message>
    <message>
        <source>Rewrite the user-frame program</source>
        <translation>重写用户坐标系程序</translation>
    </message>
    <message>
        <source>Active work object</source>
        <translation>当前工件</translation>
    </message>
    <message>
        <source>The controller takes point %1.</source>
        <translation>控制器正在接收点 %1。</translation>
    </message>
    <message>
        <source>Point %1 is cleared.</source>
        <translation>正在清除点 %1。</translation>
    </message>
    <message>
        <source>Poor group</source>
        <translation>点组较差</translation>
    </message>
    <message>
        <source>The advisor judges this group poor. Calculate from it all the same?</source>
        <translation>顾问判断该点组较差。仍然据此计算吗？</translation>
    </message>
    <message>
        <source>Calculate all the same</source>
        <translation>仍然计算</translation>
    </message>
    <message>
        <source>Teach again</source>
        <translation>重新示教</translation>
    </message>
    <message>
        <source>The controller calculates the user frame (up to 16 s).</source>
        <translation>控制器正在计算用户坐标系（最长 16 秒）。</translation>
    </message>
    <message>
        <source>The controller calculates axis %1 (up to 2 s).</source>
        <translation>控制器正在计算轴 %1（最长 2 秒）。</translation>
    </message>
    <message>
        <source>The frame is calculated.</source>
        <translation>坐标系已计算。</translation>
    </message>
    <message>
        <source>The controller gave no frame.</source>
        <translation>控制器未给出坐标系。</translation>
    </message>
    <message>
        <source>The calibration file could not be written.</source>
        <translation>无法写入标定文件。</translation>
    </message>
    <message>
        <source>The calibration file is sent.</source>
        <translation>正在发送标定文件。</translation>
    </message>
    <message>
        <source>The calibration file is written and sent.</source>
        <translation>标定文件已写入并发送。</translation>
    </message>
    <message>
        <source>The calibration file could not be sent.</source>
        <translation>无法发送标定文件。</translation>
    </message>
    <message>
        <source>The controller is asked to read the calibration file.</source>
        <translation>已请求控制器读取标定文件。</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>报告已写入 %1。</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>无法写入报告：%1</translation>
    </message>
    <message>
        <source>The controller switches to positioner %1.</source>
        <translation>控制器正在切换到变位机 %1。</translation>
    </message>
    <message>
        <source>wobj_dyn0 follows positioner %1.</source>
        <translation>wobj_dyn0 跟随变位机 %1。</translation>
    </message>
    <message>
        <source>The editor did not accept wobj_dyn0.</source>
        <translation>编辑器未接受 wobj_dyn0。</translation>
    </message>
    <message>
        <source>The object frames are saved.</source>
        <translation>工件坐标系已保存。</translation>
    </message>
    <message>
        <source>The object frames could not be saved.</source>
        <translation>无法保存工件坐标系。</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten.</source>
        <translation>正在重写用户坐标系程序。</translation>
    </message>
    <message>
        <source>The user-frame program is rewritten and sent.</source>
        <translation>用户坐标系程序已重写并发送。</translation>
    </message>
    <message>
        <source>The user-frame program could not be rewritten.</source>
        <translation>无法重写用户坐标系程序。</translation>
    </message>
    <message>
        <source>%1 is the active work object.</source>
        <translation>%1 是当前工件。</translation>
    </message>
    <message>
        <source>%1 could not be activated.</source>
        <translation>无法激活 %1。</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm, a %4 b %5 c %6°</source>
        <translation>x %1 y %2 z %3 毫米，a %4 b %5 c %6°</translation>
    </message>
    <message>
        <source>x %1 y %2 z %3 mm; external axes %4</source>
        <translation>x %1 y %2 z %3 毫米；外部轴 %4</translation>
    </message>
    <message>
        <source>not taught</source>
        <translation>未示教</translation>
    </message>
    <message>
        <source>taught</source>
        <translation>已示教</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>Teach the three points; the advisor then judges them.</source>
        <translation>请示教这三个点，随后顾问会评估它们。</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; circles: taught points</source>
        <translation>x 实线，y 虚线，z 点线；圆圈：已示教的点</translation>
    </message>
    <message>
        <source>No positioner changed since the calibration file was read.</source>
        <translation>自读取标定文件以来，没有变位机发生变化。</translation>
    </message>
    <message>
        <source>Changed since the calibration file was read: positioner %1.</source>
        <translation>自读取标定文件以来已更改：变位机 %1。</translation>
    </message>
</context>
<context>
    <name>FrameDrawing</name>
    <message>
        <source>Top view (x to the right, y up)</source>
        <translation>俯视图（x 向右，y 向上）</translation>
    </message>
    <message>
        <source>Side view (x to the right, z up)</source>
        <translation>侧视图（x 向右，z 向上）</translation>
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
        <translation>勉强</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>较差</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>不完整</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>无界</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>用户坐标系</translation>
    </message>
    <message>
        <source>Positioner axis %1</source>
        <translation>变位机轴 %1</translation>
    </message>
    <message>
        <source>There is no group %1 of calibration points.</source>
        <translation>不存在标定点组 %1。</translation>
    </message>
    <message>
        <source>%1: point %2 is not taught yet.</source>
        <translation>%1：点 %2 尚未示教。</translation>
    </message>
    <message>
        <source>%1: the points hold values that are no positions a robot can reach.</source>
        <translation>%1：这些点包含机器人无法到达的位置值。</translation>
    </message>
    <message>
        <source>%1: points coincide or all lie on one line; the calculation would fail.</source>
        <translation>%1：有点重合或所有点在一条直线上；计算将会失败。</translation>
    </message>
    <message>
        <source>%1: the smallest angle of the triangle is %2 degrees, its shortest side %3 mm, and the third point lies %4 mm from the line through the first two. With touches off by %5 mm the frame will be turned by about %6 degrees (up to %7) and its origin off by %8 mm.</source>
        <translation>%1：三角形的最小角为 %2 度，最短边为 %3 mm，第三点距前两点所在直线 %4 mm。若触碰偏差为 %5 mm，坐标系将旋转约 %6 度（最多 %7），原点偏移 %8 mm。</translation>
    </message>
    <message>
        <source>%1: the points span %2 degrees of a circle of radius %3 mm. With touches off by %4 mm the axis will be off by about %5 mm (up to %6 mm) and tilted by about %7 degrees (up to %8).</source>
        <translation>%1：这些点跨越半径 %3 mm 的圆上 %2 度。若触碰偏差为 %4 mm，轴将偏移约 %5 mm（最多 %6 mm），倾斜约 %7 度（最多 %8）。</translation>
    </message>
    <message>
        <source>%1 Verdict: %2.</source>
        <translation>%1 评定：%2。</translation>
    </message>
    <message>
        <source>The groups are 0 (positioner axis 1), 1 (positioner axis 2) and 2 (user frame).</source>
        <translation>组号为 0（变位机轴 1）、1（变位机轴 2）和 2（用户坐标系）。</translation>
    </message>
    <message>
        <source>Teach point %1.</source>
        <translation>请示教点 %1。</translation>
    </message>
    <message>
        <source>Teach the points of this group again.</source>
        <translation>请重新示教本组的点。</translation>
    </message>
    <message>
        <source>Teach three marks that form a triangle: the third point must not lie on the line through the first two.</source>
        <translation>请示教构成三角形的三个标记点：第三点不得位于前两点所在的直线上。</translation>
    </message>
    <message>
        <source>Turn the positioner between the points so that the mark moves on a circle.</source>
        <translation>请在各点之间转动变位机，使标记点沿圆周移动。</translation>
    </message>
    <message>
        <source>Spread the points at least %1 degrees apart: turn positioner axis %2 further between them.</source>
        <translation>请使各点至少相隔 %1 度：在点之间继续转动变位机轴 %2。</translation>
    </message>
    <message>
        <source>Touch a mark further from the axis: its direction is found the better the larger the circle.</source>
        <translation>请触碰离轴更远的标记点：圆越大，方向确定得越准确。</translation>
    </message>
    <message>
        <source>The third point lies almost on the line through the first two: move it further from that line.</source>
        <translation>第三点几乎位于前两点所在的直线上：请将其远离该直线。</translation>
    </message>
    <message>
        <source>Put the second point further from the first along x.</source>
        <translation>请沿 x 方向将第二点放得离第一点更远。</translation>
    </message>
    <message>
        <source>Teach marks further apart: the orientation is found the better the larger the triangle.</source>
        <translation>请示教相距更远的标记点：三角形越大，姿态确定得越准确。</translation>
    </message>
    <message>
        <source>The placement is sound; touch the points more carefully.</source>
        <translation>布置合理；请更仔细地触碰各点。</translation>
    </message>
    <message>
        <source>Point %1 was taken.</source>
        <translation>已采用点 %1。</translation>
    </message>
    <message>
        <source>There is no calibration point %1; the points are numbered 1 to 9.</source>
        <translation>不存在标定点 %1；点的编号为 1 到 9。</translation>
    </message>
    <message>
        <source>Point %1 was not taken: no positioner is selected.</source>
        <translation>未采用点 %1：未选择变位机。</translation>
    </message>
    <message>
        <source>Point %1 is %2 from point %3 (position and orientation summed); at least %4 is needed.</source>
        <translation>点 %1 与点 %3 相距 %2（位置与姿态之和）；至少需要 %4。</translation>
    </message>
    <message>
        <source>Point %1 was too close to another point of its group.</source>
        <translation>点 %1 离本组另一个点太近。</translation>
    </message>
    <message>
        <source>The external axes moved %2 in all between point %3 and point %1; at least %4 is needed.</source>
        <translation>在点 %3 与点 %1 之间，外部轴总共移动了 %2；至少需要 %4。</translation>
    </message>
    <message>
        <source>The positioner did not turn enough before point %1.</source>
        <translation>在点 %1 之前变位机转动不足。</translation>
    </message>
    <message>
        <source>Point %1 was refused: no external axes are compared, so the turn of the positioner cannot be seen.</source>
        <translation>点 %1 被拒绝：未比较任何外部轴，因此无法看出变位机的转动。</translation>
    </message>
    <message>
        <source>External axis %2, which drives positioner axis %3, moved %4 between point %5 and point %1; at least %6 is needed.</source>
        <translation>驱动变位机轴 %3 的外部轴 %2 在点 %5 与点 %1 之间移动了 %4；至少需要 %6。</translation>
    </message>
    <message>
        <source>External axis %2 did not turn enough before point %1.</source>
        <translation>在点 %1 之前外部轴 %2 转动不足。</translation>
    </message>
    <message>
        <source>Positioner axis %2 is set to external axis %3, but only %4 external axes are compared, so point %1 cannot show it turning.</source>
        <translation>变位机轴 %2 设置为外部轴 %3，但只比较 %4 个外部轴，因此点 %1 无法体现其转动。</translation>
    </message>
    <message>
        <source>The other external axes moved %2 in all between point %3 and point %1; at most %4 is allowed.</source>
        <translation>在点 %3 与点 %1 之间，其他外部轴总共移动了 %2；最多允许 %4。</translation>
    </message>
    <message>
        <source>Other external axes turned before point %1.</source>
        <translation>在点 %1 之前其他外部轴发生了转动。</translation>
    </message>
    <message>
        <source>The positioner moved %2 between point %3 and point %1; user-frame points need it at rest (less than %4).</source>
        <translation>变位机在点 %3 与点 %1 之间移动了 %2；用户坐标系的点要求变位机静止（小于 %4）。</translation>
    </message>
    <message>
        <source>The positioner moved before point %1.</source>
        <translation>在点 %1 之前变位机发生了移动。</translation>
    </message>
    <message>
        <source>Point %1: %2 is not a result of teaching this point.</source>
        <translation>点 %1：%2 不是示教该点的结果。</translation>
    </message>
    <message>
        <source>Teach one of the points 1 to 9.</source>
        <translation>请示教点 1 到 9 中的一个。</translation>
    </message>
    <message>
        <source>Select a positioner first.</source>
        <translation>请先选择变位机。</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further before touching the mark again.</source>
        <translation>再次触碰标记点之前，请继续转动变位机轴 %1。</translation>
    </message>
    <message>
        <source>Touch a mark further away from the other points.</source>
        <translation>请触碰离其他点更远的标记点。</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 further between the points.</source>
        <translation>请在各点之间继续转动变位机轴 %1。</translation>
    </message>
    <message>
        <source>Set the number of external axes before teaching the axis points.</source>
        <translation>示教轴点之前，请先设置外部轴数量。</translation>
    </message>
    <message>
        <source>Turn positioner axis %1 itself, and check that external axis %2 is the one that drives it.</source>
        <translation>请转动变位机轴 %1 本身，并检查外部轴 %2 是否为驱动它的轴。</translation>
    </message>
    <message>
        <source>Correct the external axis of positioner axis %1 or the number of external axes.</source>
        <translation>请更正变位机轴 %1 的外部轴或外部轴数量。</translation>
    </message>
    <message>
        <source>Leave the other axes where they stood at point %1 and turn only positioner axis %2.</source>
        <translation>请让其他轴保持在点 %1 时的位置，只转动变位机轴 %2。</translation>
    </message>
    <message>
        <source>Turn only positioner axis %1.</source>
        <translation>请只转动变位机轴 %1。</translation>
    </message>
    <message>
        <source>Turn the positioner back to where it stood at point %1.</source>
        <translation>请将变位机转回到点 %1 时的位置。</translation>
    </message>
    <message>
        <source>Keep the positioner at rest while teaching the user frame.</source>
        <translation>示教用户坐标系时请保持变位机静止。</translation>
    </message>
    <message>
        <source>Point %1 was refused: the position of point %1 or of point %2 is not a valid number.</source>
        <translation>点 %1 被拒绝：点 %1 或点 %2 的位置不是有效数字。</translation>
    </message>
</context>
<context>
    <name>PositionerTool</name>
    <message>
        <source>cannot read the file: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>line %1: not well-formed XML: %2</source>
        <translation>第 %1 行：XML 格式不正确：%2</translation>
    </message>
    <message>
        <source>not a calibration file: the root element is &lt;%1&gt;, not &lt;FramePar&gt;</source>
        <translation>不是标定文件：根元素是 &lt;%1&gt;，而不是 &lt;FramePar&gt;</translation>
    </message>
    <message>
        <source>not a calibration file: no root element</source>
        <translation>不是标定文件：没有根元素</translation>
    </message>
    <message>
        <source>entry %1 of &lt;FramePar&gt;</source>
        <translation>&lt;FramePar&gt; 的第 %1 项</translation>
    </message>
    <message>
        <source>%1 entries instead of %2: positioners from %3 on keep what the pendant held before the read</source>
        <translation>有 %1 项而不是 %2 项：从 %3 起的变位机保留示教器读取前的内容</translation>
    </message>
    <message>
        <source>%1 lies beyond the tenth and is ignored</source>
        <translation>%1 位于第十项之后，被忽略</translation>
    </message>
    <message>
        <source>%1 is not an element but is read as the record of positioner %2, with both axes in use</source>
        <translation>%1 不是元素，但被读作变位机 %2 的记录，两个轴均在用</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>一条处理指令</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is read as the record of positioner %2</source>
        <translation>&lt;%1&gt; 被读作变位机 %2 的记录</translation>
    </message>
    <message>
        <source>a &lt;Positioner&gt; without an id is read as positioner %1</source>
        <translation>没有 id 的 &lt;Positioner&gt; 被读作变位机 %1</translation>
    </message>
    <message>
        <source>&lt;Positioner&gt; with id &quot;%1&quot; is %2 and is read as positioner %3</source>
        <translation>id 为 &quot;%1&quot; 的 &lt;Positioner&gt; 是 %2，被读作变位机 %3</translation>
    </message>
    <message>
        <source>unexpected attribute &quot;%1&quot; on &lt;%2&gt;</source>
        <translation>&lt;%2&gt; 上有意外的属性 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected %1 in &lt;%2&gt;</source>
        <translation>&lt;%2&gt; 中有意外的%1</translation>
    </message>
    <message>
        <source>processing instruction</source>
        <translation>处理指令</translation>
    </message>
    <message>
        <source>unexpected element &lt;%1&gt;</source>
        <translation>意外的元素 &lt;%1&gt;</translation>
    </message>
    <message>
        <source>second &lt;%1&gt;: only the first is read</source>
        <translation>第二个 &lt;%1&gt;：只读取第一个</translation>
    </message>
    <message>
        <source>&lt;Axes1Index&gt; and &lt;Axes2Index&gt; are both %1: two axes on one external axis</source>
        <translation>&lt;Axes1Index&gt; 和 &lt;Axes2Index&gt; 均为 %1：两个轴在同一个外部轴上</translation>
    </message>
    <message>
        <source>&lt;EnableAxesNum&gt; is %1 but the types put %2 axes in use</source>
        <translation>&lt;EnableAxesNum&gt; 为 %1，但类型表明有 %2 个轴在用</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: the axis is read as in use</source>
        <translation>缺少 &lt;%1&gt;：该轴被读作在用</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: read as external axis 0</source>
        <translation>缺少 &lt;%1&gt;：读作外部轴 0</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;</source>
        <translation>缺少 &lt;%1&gt;</translation>
    </message>
    <message>
        <source>no &lt;%1&gt;: its x is read as 0 and its other values are left as they were</source>
        <translation>缺少 &lt;%1&gt;：其 x 读作 0，其他值保持不变</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds more than one text</source>
        <translation>&lt;%1&gt; 包含多于一段文本</translation>
    </message>
    <message>
        <source>&lt;%1&gt; &quot;%2&quot; is not a decimal integer: read as %3</source>
        <translation>&lt;%1&gt; &quot;%2&quot; 不是十进制整数：读作 %3</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 is below -1: read as an axis not in use</source>
        <translation>&lt;%1&gt; %2 小于 -1：读作未使用的轴</translation>
    </message>
    <message>
        <source>&lt;%1&gt; %2 does not lie past the robot&apos;s %3 axes: read as external axis 0</source>
        <translation>&lt;%1&gt; %2 不在机器人的 %3 个轴之后：读作外部轴 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is %2 for an axis not in use, which is written as 0</source>
        <translation>&lt;%1&gt; 对未使用的轴为 %2，写出时为 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; holds %2 values instead of %3</source>
        <translation>&lt;%1&gt; 包含 %2 个值而不是 %3 个</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not a number: read as 0</source>
        <translation>&lt;%1&gt; 第 %2 个值 &quot;%3&quot; 不是数字：读作 0</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not written with four decimals</source>
        <translation>&lt;%1&gt; 第 %2 个值 &quot;%3&quot; 未以四位小数写出</translation>
    </message>
    <message>
        <source>Exit status: 0 clean, 1 findings, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>退出状态：0 无问题，1 有发现，2 不是标定文件、无法读取或用法错误。</translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>命令。</translation>
    </message>
    <message>
        <source>The robot&apos;s own axis count, which offsets the axis indices (default 6).</source>
        <translation>机器人自身的轴数，用于偏移轴索引（默认 6）。</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>要读取的文件。</translation>
    </message>
    <message>
        <source>%1 takes %2 file argument(s)</source>
        <translation>%1 需要 %2 个文件参数</translation>
    </message>
    <message>
        <source>--axis-count takes a number from 0 to 64</source>
        <translation>--axis-count 需要 0 到 64 之间的数字</translation>
    </message>
    <message>
        <source>See: positioner-tool %1 --help</source>
        <translation>参见：positioner-tool %1 --help</translation>
    </message>
    <message>
        <source>The first calibration file.</source>
        <translation>第一个标定文件。</translation>
    </message>
    <message>
        <source>The second calibration file.</source>
        <translation>第二个标定文件。</translation>
    </message>
    <message>
        <source>Checks a calibration file the way a careful reader would: ten &lt;Positioner&gt; entries with ids 1 to 10 in order, the nine value elements, &lt;EnableAxesNum&gt; matching the types, frames of six numbers with four decimals, nothing unexpected. Each finding names its line and says what the pendant&apos;s by-position read makes of it.
</source>
        <translation>像细心的读者那样检查标定文件：十个按顺序排列、id 为 1 到 10 的 &lt;Positioner&gt; 项，九个值元素，与类型相符的 &lt;EnableAxesNum&gt;，由六个四位小数组成的坐标系，没有意外内容。每条发现都注明所在行，并说明示教器按位置读取时如何处理它。
</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1：无发现</translation>
    </message>
    <message>
        <source>%1: %2 finding(s)</source>
        <translation>%1：%2 条发现</translation>
    </message>
    <message>
        <source>Shows the ten records as the pendant holds them after reading the file: types, indices after the offsets, frames.
Exit status: 0 shown, 2 not a calibration file, unreadable, or a usage error.</source>
        <translation>显示示教器读取文件后所持有的十条记录：类型、偏移后的索引、坐标系。
退出状态：0 已显示，2 不是标定文件、无法读取或用法错误。</translation>
    </message>
    <message>
        <source>JSON for scripts instead of a table.</source>
        <translation>输出供脚本使用的 JSON，而不是表格。</translation>
    </message>
    <message>
        <source>Compares two calibration files record by record, as the pendant reads them (for example the pendant&apos;s copy against the controller&apos;s, or before against after a calibration): which positioners differ, in which fields, and how far each frame moved (mm) and turned (degrees). The date comments and the layout are not compared.
Exit status: 0 the same calibration, 1 differences, 2 either file is not a calibration file or unreadable, or a usage error.</source>
        <translation>按示教器的读取方式逐条比较两个标定文件（例如示教器的副本与控制器的副本，或标定前后）：哪些变位机不同、哪些字段不同，以及每个坐标系移动了多少（mm）、转动了多少（度）。日期注释和排版不参与比较。
退出状态：0 标定相同，1 有差异，2 任一文件不是标定文件或无法读取，或用法错误。</translation>
    </message>
    <message>
        <source>Finds every declaration of wobj_dyn0 in a GLOBAL.var, decodes its initial value and prints its user frame, object frame, flags and base name; reports what the controller would choke on.
Exit status: 0 clean, 1 findings, 2 not a global variable file, unreadable, or a usage error.</source>
        <translation>查找 GLOBAL.var 中 wobj_dyn0 的每个声明，解码其初始值并输出其用户坐标系、工件坐标系、标志和基座名称；报告会使控制器出错的内容。
退出状态：0 无问题，1 有发现，2 不是全局变量文件、无法读取或用法错误。</translation>
    </message>
    <message>
        <source>Writes one self-contained HTML page: per positioner in use a drawing of its frames from above and from the side, and the table of its values; with --before, the previous calibration drawn faded and the changes listed. The check&apos;s findings head the page.
Exit status: 0 written for a clean file, 1 written with findings, 2 not a calibration file, unreadable, not written, or a usage error.</source>
        <translation>写出一个独立的 HTML 页面：每个在用的变位机都有其坐标系的俯视图和侧视图以及数值表；使用 --before 时，以淡色绘制上一次标定并列出变化。检查的发现列在页面顶部。
退出状态：0 已为无问题的文件写出，1 已写出但有发现，2 不是标定文件、无法读取、未写出或用法错误。</translation>
    </message>
    <message>
        <source>The page to write.</source>
        <translation>要写出的页面。</translation>
    </message>
    <message>
        <source>The page&apos;s title.</source>
        <translation>页面标题。</translation>
    </message>
    <message>
        <source>The previous calibration file, to compare.</source>
        <translation>用于比较的上一次标定文件。</translation>
    </message>
    <message>
        <source>report needs the page to write: -o FILE</source>
        <translation>report 需要指定要写出的页面：-o FILE</translation>
    </message>
    <message>
        <source>%1: the report would overwrite a file it reads</source>
        <translation>%1：报告会覆盖它所读取的文件</translation>
    </message>
    <message>
        <source>Positioner calibration</source>
        <translation>变位机标定</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>无法写出报告：%1</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>报告已写入 %1</translation>
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
        <translation>查看变位机标定文件和控制器的 GLOBAL.var，但不修改它们。

命令：
  check FILE       校验标定文件
  show FILE        示教器所持有的十条记录（--json 供脚本使用）
  diff A B         哪些变位机不同，差多少
  globalvar FILE   GLOBAL.var 中 wobj_dyn0 的声明
  report FILE -o report.html   标定的可视化报告

运行 positioner-tool 命令 --help 查看某个命令的选项。
</translation>
    </message>
    <message>
        <source>The command to run.</source>
        <translation>要运行的命令。</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>未给出命令</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>未知命令 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>See: positioner-tool --help</source>
        <translation>参见：positioner-tool --help</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 moved %2 mm, turned %3 deg (%4)</source>
        <translation>%1 移动 %2 mm，转动 %3 度（%4）</translation>
    </message>
    <message>
        <source>entry only in the first file</source>
        <translation>仅在第一个文件中的项</translation>
    </message>
    <message>
        <source>entry only in the second file</source>
        <translation>仅在第二个文件中的项</translation>
    </message>
    <message>
        <source>No differences.
</source>
        <translation>无差异。
</translation>
    </message>
    <message>
        <source>Positioner %1
</source>
        <translation>变位机 %1
</translation>
    </message>
    <message>
        <source>Positioners that differ: %1 of %2.
</source>
        <translation>不同的变位机：%2 个中有 %1 个。
</translation>
    </message>
    <message>
        <source>not a global variable file: no root element &lt;Xpl-source&gt;</source>
        <translation>不是全局变量文件：没有根元素 &lt;Xpl-source&gt;</translation>
    </message>
    <message>
        <source>wobj_dyn0 declared outside &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt;: the pendant leaves it alone</source>
        <translation>wobj_dyn0 声明在 &lt;Xpl-source&gt;&lt;VarDeclarations&gt;&lt;VarGlobal&gt; 之外：示教器不会处理它</translation>
    </message>
    <message>
        <source>&lt;Name&gt; &quot;%1&quot; is not exactly wobj_dyn0: the pendant leaves it alone</source>
        <translation>&lt;Name&gt; &quot;%1&quot; 不完全是 wobj_dyn0：示教器不会处理它</translation>
    </message>
    <message>
        <source>no declaration of wobj_dyn0: the pendant cannot set the dynamic work object</source>
        <translation>没有 wobj_dyn0 的声明：示教器无法设置动态工件</translation>
    </message>
    <message>
        <source>wobj_dyn0 is declared again (first on line %1)</source>
        <translation>wobj_dyn0 被再次声明（首次在第 %1 行）</translation>
    </message>
    <message>
        <source>no &lt;InitValue&gt;: the pendant has nowhere to write the work object</source>
        <translation>缺少 &lt;InitValue&gt;：示教器无处写入工件</translation>
    </message>
    <message>
        <source>empty &lt;InitValue&gt;: the pendant leaves it empty</source>
        <translation>&lt;InitValue&gt; 为空：示教器保持其为空</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not JSON: %1 at character %2</source>
        <translation>&lt;InitValue&gt; 不是 JSON：第 %2 个字符处 %1</translation>
    </message>
    <message>
        <source>&lt;InitValue&gt; is not a JSON object</source>
        <translation>&lt;InitValue&gt; 不是 JSON 对象</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>字符串</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not %2</source>
        <translation>&quot;%1&quot; 缺失或不是%2</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>对象</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>unexpected member &quot;%1&quot;</source>
        <translation>意外的成员 &quot;%1&quot;</translation>
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
        <translation>  初始值不可用，见下文
</translation>
    </message>
    <message>
        <source>  user frame    %1
</source>
        <translation>  用户坐标系    %1
</translation>
    </message>
    <message>
        <source>  object frame  %1
</source>
        <translation>  工件坐标系    %1
</translation>
    </message>
    <message>
        <source>  movable %1, on robot %2, base name &quot;%3&quot;
</source>
        <translation>  可移动 %1，在机器人上 %2，基座名称 &quot;%3&quot;
</translation>
    </message>
    <message>
        <source>axis 1</source>
        <translation>轴 1</translation>
    </message>
    <message>
        <source>axis 2</source>
        <translation>轴 2</translation>
    </message>
    <message>
        <source>user frame</source>
        <translation>用户坐标系</translation>
    </message>
    <message>
        <source>Frames of positioner %1</source>
        <translation>变位机 %1 的坐标系</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted; faded: before</source>
        <translation>x 实线，y 虚线，z 点线；淡色：之前</translation>
    </message>
    <message>
        <source>x solid, y dashed, z dotted</source>
        <translation>x 实线，y 虚线，z 点线</translation>
    </message>
    <message>
        <source>axis %1: not in use</source>
        <translation>轴 %1：未使用</translation>
    </message>
    <message>
        <source>Calibration file %1, robot axis count %2.</source>
        <translation>标定文件 %1，机器人轴数 %2。</translation>
    </message>
    <message>
        <source>Compared with the previous calibration %1.</source>
        <translation>已与上一次标定 %1 比较。</translation>
    </message>
    <message>
        <source>The file passes the check.</source>
        <translation>文件通过检查。</translation>
    </message>
    <message>
        <source>The check finds %1 problem(s):</source>
        <translation>检查发现 %1 个问题：</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Positioner %1</source>
        <translation>变位机 %1</translation>
    </message>
    <message>
        <source>Not drawn, its values are out of reach: %1.</source>
        <translation>未绘制，其数值超出范围：%1。</translation>
    </message>
    <message>
        <source>Unchanged since the previous calibration.</source>
        <translation>自上一次标定以来未变。</translation>
    </message>
    <message>
        <source>Positioners not in use: %1.</source>
        <translation>未使用的变位机：%1。</translation>
    </message>
    <message>
        <source>axis %1 not in use (type %2, index %3)</source>
        <translation>轴 %1 未使用（类型 %2，索引 %3）</translation>
    </message>
    <message>
        <source>axis %1 type %2, index %3</source>
        <translation>轴 %1 类型 %2，索引 %3</translation>
    </message>
    <message>
        <source>Robot axis count %1; indices count among the external axes from 0.
</source>
        <translation>机器人轴数 %1；索引在外部轴中从 0 开始计数。
</translation>
    </message>
    <message>
        <source>Positioner %1: no entry, the pendant keeps what it held
</source>
        <translation>变位机 %1：无此项，示教器保留原有内容
</translation>
    </message>
    <message>
        <source>Positioner %1 (line %2): %3; %4
</source>
        <translation>变位机 %1（第 %2 行）：%3；%4
</translation>
    </message>
    <message>
        <source>&lt;%1&gt; value %2 &quot;%3&quot; is not finite: read as 0</source>
        <translation>&lt;%1&gt; 第 %2 个值 &quot;%3&quot; 不是有限数：读作 0</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>无法替换文件</translation>
    </message>
    <message>
        <source>%1 moved farther than a number can say, turned %2 deg (%3)</source>
        <translation>%1 移动距离超出数字可表示的范围，转动 %2 度（%3）</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>大于 %1 MiB</translation>
    </message>
    <message>
        <source>entries %1 to %2 of &lt;FramePar&gt; lie beyond the tenth and are ignored</source>
        <translation>&lt;FramePar&gt; 的第 %1 至 %2 项位于第十项之后，被忽略</translation>
    </message>
    <message>
        <source>and %1 more; positioner-tool check lists them all</source>
        <translation>另有 %1 个；positioner-tool check 会列出全部</translation>
    </message>
    <message>
        <source>axis %1: type %2, driven by external axis %3 (in the file: type %4, index %5 = %6 robot axes + %3)</source>
        <translation>轴 %1：类型 %2，由外部轴 %3 驱动（文件中：类型 %4，索引 %5 = %6 个机器人轴 + %3）</translation>
    </message>
    <message>
        <source>%1: not drawn, this program has no fonts to draw with.</source>
        <translation>%1：未绘制，此程序没有可用于绘图的字体。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 为 %2，超出 %3 到 %4 的范围</translation>
    </message>
    <message>
        <source>the path %1 holds a NUL character</source>
        <translation>路径 %1 含有 NUL 字符</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 holds a value that is not a finite number</source>
        <translation>%1 含有非有限数的值</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 ms</source>
        <translation>%1 在 %2 毫秒内没有应答</translation>
    </message>
    <message>
        <source>the controller was switched away from positioner %1 after each of %2 requests</source>
        <translation>在全部 %2 次请求之后，控制器每次都被切换离开变位机 %1</translation>
    </message>
    <message>
        <source>the transfer service did not fetch %1 from the controller</source>
        <translation>传输服务未能从控制器获取 %1</translation>
    </message>
    <message>
        <source>the transfer service did not send %1 to the controller</source>
        <translation>传输服务未能将 %1 发送到控制器</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML at line %2 (offset %3)</source>
        <translation>%1 在第 %2 行（偏移 %3）不是格式正确的 XML</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>无法替换 %1</translation>
    </message>
    <message>
        <source>%1 would grow by more than %2 bytes at line %3</source>
        <translation>%1 将在第 %3 行增长超过 %2 字节</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a CR that ends no line</source>
        <translation>%2 的第 %1 行含有一个不结束任何行的 CR</translation>
    </message>
    <message>
        <source>%1 is encoded in UTF-16 or UTF-32</source>
        <translation>%1 采用 UTF-16 或 UTF-32 编码</translation>
    </message>
    <message>
        <source>the editor refused write mode for %1</source>
        <translation>编辑器拒绝了 %1 的写入模式</translation>
    </message>
    <message>
        <source>the open program declares no variable %1</source>
        <translation>打开的程序没有声明变量 %1</translation>
    </message>
    <message>
        <source>%1 is a constant of the open program</source>
        <translation>%1 是打开的程序中的常量</translation>
    </message>
    <message>
        <source>the editor refused to make %1 the active work object</source>
        <translation>编辑器拒绝将 %1 设为当前工件</translation>
    </message>
    <message>
        <source>the editor refused to register %1 as a dynamic reference system</source>
        <translation>编辑器拒绝将 %1 注册为动态参考系</translation>
    </message>
    <message>
        <source>point %1 failed the plausibility check (result %2)</source>
        <translation>点 %1 未通过合理性检查（结果 %2）</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, more than the %3 bytes allowed</source>
        <translation>%1 为 %2 字节，超过允许的 %3 字节</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>写入 GLOBAL.var 失败。</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>发送 GLOBAL.var 失败。</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>获取 GLOBAL.var 失败。</translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <source>Positioner calibration</source>
        <translation>变位机标定</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
</context>
<context>
    <name>SimulatedCellPanel</name>
    <message>
        <source>Simulated cell</source>
        <translation>模拟工作站</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>工作站</translation>
    </message>
    <message>
        <source>Standard cell</source>
        <translation>标准工作站</translation>
    </message>
    <message>
        <source>Tilted positioner</source>
        <translation>倾斜的变位机</translation>
    </message>
    <message>
        <source>Positioner axis 1</source>
        <translation>变位机轴 1</translation>
    </message>
    <message>
        <source>Positioner axis 2</source>
        <translation>变位机轴 2</translation>
    </message>
    <message>
        <source>What the tool touches</source>
        <translation>工具触碰的位置</translation>
    </message>
    <message>
        <source>Marker on the table</source>
        <translation>台面上的标记</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>触碰</translation>
    </message>
    <message>
        <source>Touch noise (mm)</source>
        <translation>触碰误差（毫米）</translation>
    </message>
    <message>
        <source>Axis 1</source>
        <translation>轴 1</translation>
    </message>
    <message>
        <source>Axis 2</source>
        <translation>轴 2</translation>
    </message>
    <message>
        <source>User frame</source>
        <translation>用户坐标系</translation>
    </message>
    <message>
        <source>%1: %2 mm and %3° from the true frame</source>
        <translation>%1：与真实坐标系相差 %2 毫米和 %3°</translation>
    </message>
    <message>
        <source>faded: the true frames</source>
        <translation>淡色：真实坐标系</translation>
    </message>
    <message>
        <source>Origin mark</source>
        <translation>原点标记</translation>
    </message>
    <message>
        <source>Mark on x</source>
        <translation>x 轴上的标记</translation>
    </message>
    <message>
        <source>Mark in the plane</source>
        <translation>平面内的标记</translation>
    </message>
</context>
</TS>
