<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>Asker</name>
    <message>
        <source>保存(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>不保存(&amp;D)</source>
        <translation>不保存(&amp;D)</translation>
    </message>
    <message>
        <source>是(&amp;Y)</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>CodeDialog</name>
    <message>
        <source>插入二维码或条码</source>
        <translation>插入二维码或条码</translation>
    </message>
    <message>
        <source>码制：</source>
        <translation>码制：</translation>
    </message>
    <message>
        <source>内容：</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>模块大小：</source>
        <translation>模块大小：</translation>
    </message>
    <message>
        <source> 点</source>
        <translation> 点</translation>
    </message>
    <message>
        <source>纠错等级：</source>
        <translation>纠错等级：</translation>
    </message>
    <message>
        <source>在码下方印出内容</source>
        <translation>在码下方印出内容</translation>
    </message>
    <message>
        <source>%1 × %2 点（%3 × %4 毫米），模块 %5 毫米</source>
        <translation>%1 × %2 点（%3 × %4 毫米），模块 %5 毫米</translation>
    </message>
    <message>
        <source>编辑二维码或条码</source>
        <translation>编辑二维码或条码</translation>
    </message>
</context>
<context>
    <name>CodeTexts</name>
    <message>
        <source>内容过长，此码容纳不下</source>
        <translation>内容过长，此码容纳不下</translation>
    </message>
    <message>
        <source>内容中有此码不能表示的字符</source>
        <translation>内容中有此码不能表示的字符</translation>
    </message>
    <message>
        <source>校验位不正确</source>
        <translation>校验位不正确</translation>
    </message>
    <message>
        <source>无法生成此码</source>
        <translation>无法生成此码</translation>
    </message>
    <message>
        <source>模块至少 %1 点：更小的模块印在纸上扫不出</source>
        <translation>模块至少 %1 点：更小的模块印在纸上扫不出</translation>
    </message>
    <message>
        <source>模块最多 %1 点</source>
        <translation>模块最多 %1 点</translation>
    </message>
    <message>
        <source>请输入码的内容</source>
        <translation>请输入码的内容</translation>
    </message>
    <message>
        <source>EAN-13 需要 12 位数字，或连同校验位 13 位</source>
        <translation>EAN-13 需要 12 位数字，或连同校验位 13 位</translation>
    </message>
    <message>
        <source>此码宽 %1 点，纸上只有 %2 点；请减少内容或缩小模块</source>
        <translation>此码宽 %1 点，纸上只有 %2 点；请减少内容或缩小模块</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>粘贴为纯文本(&amp;L)</source>
        <translation>粘贴为纯文本(&amp;L)</translation>
    </message>
    <message>
        <source>全选(&amp;A)</source>
        <translation>全选(&amp;A)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>TicketStation 操作指南</source>
        <translation>TicketStation 操作指南</translation>
    </message>
</context>
<context>
    <name>PictureImportDialog</name>
    <message>
        <source>导入图片</source>
        <translation>导入图片</translation>
    </message>
    <message>
        <source>这张图片不是纯黑白的，而打印机只能打印黑点。请选择导入方式：</source>
        <translation>这张图片不是纯黑白的，而打印机只能打印黑点。请选择导入方式：</translation>
    </message>
    <message>
        <source>抖动（Floyd–Steinberg，灰度变为点的疏密）</source>
        <translation>抖动（Floyd–Steinberg，灰度变为点的疏密）</translation>
    </message>
    <message>
        <source>阈值 50%（较暗的像素印黑，其余留白）</source>
        <translation>阈值 50%（较暗的像素印黑，其余留白）</translation>
    </message>
    <message>
        <source>保持原样（所有非白色像素都印成黑色）</source>
        <translation>保持原样（所有非白色像素都印成黑色）</translation>
    </message>
    <message>
        <source>导入后的大小：%1 × %2 点</source>
        <translation>导入后的大小：%1 × %2 点</translation>
    </message>
    <message>
        <source>图片宽 %1 点，超过页面内容宽度：缩放到 %2 点宽（保持宽高比）</source>
        <translation>图片宽 %1 点，超过页面内容宽度：缩放到 %2 点宽（保持宽高比）</translation>
    </message>
    <message>
        <source>导入后的大小：%1 × %2 点，比页面内容宽度 %3 点宽，右边缘可能被纸边截去</source>
        <translation>导入后的大小：%1 × %2 点，比页面内容宽度 %3 点宽，右边缘可能被纸边截去</translation>
    </message>
    <message>
        <source>这张图片比页面内容宽，右边缘不会打印。请选择导入方式：</source>
        <translation>这张图片比页面内容宽，右边缘不会打印。请选择导入方式：</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>端口不存在</source>
        <translation>端口不存在</translation>
    </message>
    <message>
        <source>端口正被其他程序使用</source>
        <translation>端口正被其他程序使用</translation>
    </message>
    <message>
        <source>没有使用该端口的权限</source>
        <translation>没有使用该端口的权限</translation>
    </message>
    <message>
        <source>连接被拒绝：该地址上没有设备服务器在监听</source>
        <translation>连接被拒绝：该地址上没有设备服务器在监听</translation>
    </message>
    <message>
        <source>网络不可达</source>
        <translation>网络不可达</translation>
    </message>
    <message>
        <source>连接超时</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>端口无法打开</source>
        <translation>端口无法打开</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>打印预览</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>放大 2 倍</source>
        <translation>放大 2 倍</translation>
    </message>
    <message>
        <source>管理机无法存储此页</source>
        <translation>管理机无法存储此页</translation>
    </message>
    <message>
        <source>纸宽：%1 点（%2 毫米）</source>
        <translation>纸宽：%1 点（%2 毫米）</translation>
    </message>
    <message>
        <source>页高：%1 点（%2 毫米）</source>
        <translation>页高：%1 点（%2 毫米）</translation>
    </message>
    <message>
        <source>页高：%1 点（%2 毫米），页面底部 %3 行不打印</source>
        <translation>页高：%1 点（%2 毫米），页面底部 %3 行不打印</translation>
    </message>
    <message>
        <source>因灰色或彩色像素而印成黑色的点：%1</source>
        <translation>因灰色或彩色像素而印成黑色的点：%1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>文件过大</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>不是有效的 JSON 文件</source>
        <translation>不是有效的 JSON 文件</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>关于 TicketStation</source>
        <translation>关于 TicketStation</translation>
    </message>
    <message>
        <source>版本 %1，基于 Qt %2</source>
        <translation>版本 %1，基于 Qt %2</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>已保存：%1</translation>
    </message>
    <message>
        <source>保存失败：%1</source>
        <translation>保存失败：%1</translation>
    </message>
    <message>
        <source>打开失败：%1</source>
        <translation>打开失败：%1</translation>
    </message>
    <message>
        <source>打开配置文件</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>保存配置文件</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>重启后生效</source>
        <translation>重启后生效</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>连接设备</translation>
    </message>
    <message>
        <source>版本号:--</source>
        <translation>版本号:--</translation>
    </message>
    <message>
        <source>连接状态:--</source>
        <translation>连接状态:--</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>版本号:%1</source>
        <translation>版本号:%1</translation>
    </message>
    <message>
        <source>连接状态:已连接</source>
        <translation>连接状态:已连接</translation>
    </message>
    <message>
        <source>当前进度</source>
        <translation>当前进度</translation>
    </message>
    <message>
        <source>设备连接已断开</source>
        <translation>设备连接已断开</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>无法生成预览：有页面无法渲染。</source>
        <translation>无法生成预览：有页面无法渲染。</translation>
    </message>
    <message>
        <source>文件中的键重复出现：%1</source>
        <translation>文件中的键重复出现：%1</translation>
    </message>
    <message>
        <source>设备无应答：请检查端口是否正确、设备是否开机</source>
        <translation>设备无应答：请检查端口是否正确、设备是否开机</translation>
    </message>
    <message>
        <source>这不是设计文件</source>
        <translation>这不是设计文件</translation>
    </message>
    <message>
        <source>设计已修改，是否保存？</source>
        <translation>设计已修改，是否保存？</translation>
    </message>
    <message>
        <source>无法打开端口 %1：%2</source>
        <translation>无法打开端口 %1：%2</translation>
    </message>
    <message>
        <source>设备连接已断开，下载未完成：设备中的设计不完整，请重新连接后再次下载</source>
        <translation>设备连接已断开，下载未完成：设备中的设计不完整，请重新连接后再次下载</translation>
    </message>
    <message>
        <source>未连接设备：请先选择或输入端口，再点击“连接设备”</source>
        <translation>未连接设备：请先选择或输入端口，再点击“连接设备”</translation>
    </message>
    <message>
        <source>超出页面高度的内容不会打印：%1</source>
        <translation>超出页面高度的内容不会打印：%1</translation>
    </message>
    <message>
        <source>网络端口应写成 tcp://地址:端口号</source>
        <translation>网络端口应写成 tcp://地址:端口号</translation>
    </message>
    <message>
        <source>端口号应为 1 到 65535 之间的数字</source>
        <translation>端口号应为 1 到 65535 之间的数字</translation>
    </message>
    <message>
        <source>地址应为 IP 地址（IPv6 地址加方括号）或 localhost</source>
        <translation>地址应为 IP 地址（IPv6 地址加方括号）或 localhost</translation>
    </message>
    <message>
        <source>连接状态:正在连接…</source>
        <translation>连接状态:正在连接…</translation>
    </message>
    <message>
        <source>最近的设计(&amp;R)</source>
        <translation>最近的设计(&amp;R)</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>用作启动设计</source>
        <translation>用作启动设计</translation>
    </message>
    <message>
        <source>替换现有的启动设计？程序启动时将打开当前设计。</source>
        <translation>替换现有的启动设计？程序启动时将打开当前设计。</translation>
    </message>
    <message>
        <source>已设为启动设计</source>
        <translation>已设为启动设计</translation>
    </message>
    <message>
        <source>删除类型</source>
        <translation>删除类型</translation>
    </message>
    <message>
        <source>删除%1及其内容？后面的类型将依次前移。</source>
        <translation>删除%1及其内容？后面的类型将依次前移。</translation>
    </message>
    <message>
        <source>号码</source>
        <translation>号码</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>排队人数</source>
        <translation>排队人数</translation>
    </message>
    <message>
        <source>%1：%2标记有第二段，会印成一条黑条</source>
        <translation>%1：%2标记有第二段，会印成一条黑条</translation>
    </message>
    <message>
        <source>%1：图片超出纸宽，右边缘不会打印</source>
        <translation>%1：图片超出纸宽，右边缘不会打印</translation>
    </message>
    <message>
        <source>“%1”以“%2”代替</source>
        <translation>“%1”以“%2”代替</translation>
    </message>
    <message>
        <source>本机缺少设计所用的字体，打印会与设计时不同：%1</source>
        <translation>本机缺少设计所用的字体，打印会与设计时不同：%1</translation>
    </message>
    <message>
        <source>此页已有%1标记，已将它选中：每种标记每页只能有一个</source>
        <translation>此页已有%1标记，已将它选中：每种标记每页只能有一个</translation>
    </message>
    <message>
        <source>设备将保留不完整的设计，直到下一次完整下载。</source>
        <translation>设备将保留不完整的设计，直到下一次完整下载。</translation>
    </message>
    <message>
        <source>停止下载</source>
        <translation>停止下载</translation>
    </message>
    <message>
        <source>下载完成：设备已应答</source>
        <translation>下载完成：设备已应答</translation>
    </message>
    <message>
        <source>停止下载并断开连接？</source>
        <translation>停止下载并断开连接？</translation>
    </message>
    <message>
        <source>连接状态:设备无应答</source>
        <translation>连接状态:设备无应答</translation>
    </message>
    <message>
        <source>已发送，但设备之后没有应答</source>
        <translation>已发送，但设备之后没有应答</translation>
    </message>
    <message>
        <source>设备停止接收数据，连接已关闭</source>
        <translation>设备停止接收数据，连接已关闭</translation>
    </message>
    <message>
        <source>设备停止接收数据（已发送 %1/%2 帧），连接已关闭。</source>
        <translation>设备停止接收数据（已发送 %1/%2 帧），连接已关闭。</translation>
    </message>
    <message>
        <source>设计已发送，但设备之后没有应答；设备可能没有保存它。</source>
        <translation>设计已发送，但设备之后没有应答；设备可能没有保存它。</translation>
    </message>
    <message>
        <source>下载已停止，没有发送任何数据</source>
        <translation>下载已停止，没有发送任何数据</translation>
    </message>
    <message>
        <source>下载已停止（已发送 %1/%2 帧）。</source>
        <translation>下载已停止（已发送 %1/%2 帧）。</translation>
    </message>
    <message>
        <source>停止下载？</source>
        <translation>停止下载？</translation>
    </message>
    <message>
        <source>下载尚未完成，退出会中断它。</source>
        <translation>下载尚未完成，退出会中断它。</translation>
    </message>
    <message>
        <source>仍要退出吗？</source>
        <translation>仍要退出吗？</translation>
    </message>
    <message>
        <source>%1 超出了设备的 %2 种票类型：不会下载，但仍保存在设计文件中。</source>
        <translation>%1 超出了设备的 %2 种票类型：不会下载，但仍保存在设计文件中。</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>撤销类型更改(&amp;U)</source>
        <translation>撤销类型更改(&amp;U)</translation>
    </message>
    <message>
        <source>重命名类型(&amp;N)…</source>
        <translation>重命名类型(&amp;N)…</translation>
    </message>
    <message>
        <source>复制类型(&amp;D)</source>
        <translation>复制类型(&amp;D)</translation>
    </message>
    <message>
        <source>左移类型(&amp;L)</source>
        <translation>左移类型(&amp;L)</translation>
    </message>
    <message>
        <source>右移类型(&amp;I)</source>
        <translation>右移类型(&amp;I)</translation>
    </message>
    <message>
        <source>添加类型</source>
        <translation>添加类型</translation>
    </message>
    <message>
        <source>重命名类型</source>
        <translation>重命名类型</translation>
    </message>
    <message>
        <source>类型名称（留空则显示编号）：</source>
        <translation>类型名称（留空则显示编号）：</translation>
    </message>
    <message>
        <source>复制类型</source>
        <translation>复制类型</translation>
    </message>
    <message>
        <source>移动类型</source>
        <translation>移动类型</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>%1 秒内未能连接</source>
        <translation>%1 秒内未能连接</translation>
    </message>
</context>
<context>
    <name>TicketStation</name>
    <message>
        <source>操作指南(&amp;G)</source>
        <translation>操作指南(&amp;G)</translation>
    </message>
</context>
<context>
    <name>TicketStationClass</name>
    <message>
        <source>TicketStation</source>
        <translation>TicketStation</translation>
    </message>
    <message>
        <source>类型一</source>
        <translation>类型一</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;华文彩云&apos;; font-size:26pt;&quot;&gt;小票8打印测试&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;1.相关介绍：V2.0.x版本测试，目前版本支持只能下载6个类型最大尺寸16cm，如需导入图片请先处理成黑白后导入；&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;2.功能介绍：第一排：除最后一个按钮为小票内容下载按钮其余均为排版功能；第二排：时间、号码、排队人数标记按钮，注意每个标记仅允许标记一次，最后一个为当前小票打印测试按钮。&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;华文隶书&apos;; font-size:26pt;&quot;&gt;号码：&lt;/span&gt;&lt;span style=&quot; font-size:18pt; background-color:#e1ddfa;&quot;&gt;0001&lt;/span&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt; &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;华文中宋&apos;; font-size:14pt;&quot;&gt;剩余人数：&lt;/span&gt;&lt;span style=&quot; font-size:14pt; background-color:#fac3c3;&quot;&gt;02&lt;/span&gt; &lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:14pt; background-color:#fadbc0;&quot;&gt;02-02-2022 22:22:22&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance; font-family:&apos;SimSun&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;华文彩云&apos;; font-size:26pt;&quot;&gt;小票8打印测试&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;1.相关介绍：V2.0.x版本测试，目前版本支持只能下载6个类型最大尺寸16cm，如需导入图片请先处理成黑白后导入；&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;2.功能介绍：第一排：除最后一个按钮为小票内容下载按钮其余均为排版功能；第二排：时间、号码、排队人数标记按钮，注意每个标记仅允许标记一次，最后一个为当前小票打印测试按钮。&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;华文隶书&apos;; font-size:26pt;&quot;&gt;号码：&lt;/span&gt;&lt;span style=&quot; font-size:18pt; background-color:#e1ddfa;&quot;&gt;0001&lt;/span&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt; &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;华文中宋&apos;; font-size:14pt;&quot;&gt;剩余人数：&lt;/span&gt;&lt;span style=&quot; font-size:14pt; background-color:#fac3c3;&quot;&gt;02&lt;/span&gt; &lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:14pt; background-color:#fadbc0;&quot;&gt;02-02-2022 22:22:22&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance; font-family:&apos;SimSun&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>连接设备</translation>
    </message>
    <message>
        <source>同步系统设置</source>
        <translation>同步系统设置</translation>
    </message>
    <message>
        <source>同步时间</source>
        <translation>同步时间</translation>
    </message>
    <message>
        <source>0001</source>
        <translation>0001</translation>
    </message>
    <message>
        <source>     1</source>
        <translation>     1</translation>
    </message>
    <message>
        <source>使能</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>版本号:--</source>
        <translation>版本号:--</translation>
    </message>
    <message>
        <source>连接状态:-- </source>
        <translation>连接状态:-- </translation>
    </message>
    <message>
        <source>管理机所连的串口，或串口服务器的地址 tcp://主机:端口</source>
        <translation>管理机所连的串口，或串口服务器的地址 tcp://主机:端口</translation>
    </message>
    <message>
        <source>打开或断开与管理机的连接</source>
        <translation>打开或断开与管理机的连接</translation>
    </message>
    <message>
        <source>管理机的网络号（0–99），随系统设置一起发送</source>
        <translation>管理机的网络号（0–99），随系统设置一起发送</translation>
    </message>
    <message>
        <source>把网络号、每日清号时间、号码格式、取票间隔和取号限制发送到管理机</source>
        <translation>把网络号、每日清号时间、号码格式、取票间隔和取号限制发送到管理机</translation>
    </message>
    <message>
        <source>每日清号时间：管理机每天在这个整点把票号重新从头开始（不是时钟）</source>
        <translation>每日清号时间：管理机每天在这个整点把票号重新从头开始（不是时钟）</translation>
    </message>
    <message>
        <source>把这台电脑的当前日期和时间设为管理机的时钟</source>
        <translation>把这台电脑的当前日期和时间设为管理机的时钟</translation>
    </message>
    <message>
        <source>票号的打印格式：补零（0001）或不补零（1）</source>
        <translation>票号的打印格式：补零（0001）或不补零（1）</translation>
    </message>
    <message>
        <source>两次取票之间管理机至少等待的间隔（0–5）</source>
        <translation>两次取票之间管理机至少等待的间隔（0–5）</translation>
    </message>
    <message>
        <source>类型1每天最多可取的票数（0–9999）</source>
        <translation>类型1每天最多可取的票数（0–9999）</translation>
    </message>
    <message>
        <source>类型2每天最多可取的票数（0–9999）</source>
        <translation>类型2每天最多可取的票数（0–9999）</translation>
    </message>
    <message>
        <source>类型3每天最多可取的票数（0–9999）</source>
        <translation>类型3每天最多可取的票数（0–9999）</translation>
    </message>
    <message>
        <source>类型6每天最多可取的票数（0–9999）</source>
        <translation>类型6每天最多可取的票数（0–9999）</translation>
    </message>
    <message>
        <source>类型5每天最多可取的票数（0–9999）</source>
        <translation>类型5每天最多可取的票数（0–9999）</translation>
    </message>
    <message>
        <source>类型4每天最多可取的票数（0–9999）</source>
        <translation>类型4每天最多可取的票数（0–9999）</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>格式(&amp;O)</source>
        <translation>格式(&amp;O)</translation>
    </message>
    <message>
        <source>插入(&amp;I)</source>
        <translation>插入(&amp;I)</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>打开(&amp;O)…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>另存(&amp;A)…</source>
        <translation>另存(&amp;A)…</translation>
    </message>
    <message>
        <source>用作启动设计(&amp;T)</source>
        <translation>用作启动设计(&amp;T)</translation>
    </message>
    <message>
        <source>程序启动时打开这个设计</source>
        <translation>程序启动时打开这个设计</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>添加类型(&amp;A)</source>
        <translation>添加类型(&amp;A)</translation>
    </message>
    <message>
        <source>删除当前类型(&amp;R)…</source>
        <translation>删除当前类型(&amp;R)…</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>设备(&amp;D)</source>
        <translation>设备(&amp;D)</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>管理机时钟：</source>
        <translation>管理机时钟：</translation>
    </message>
    <message>
        <source>页面最大高度：</source>
        <translation>页面最大高度：</translation>
    </message>
    <message>
        <source>每页最多打印的点行数（8 点 = 1 毫米），本机所有设计通用</source>
        <translation>每页最多打印的点行数（8 点 = 1 毫米），本机所有设计通用</translation>
    </message>
    <message>
        <source> 点</source>
        <translation> 点</translation>
    </message>
    <message>
        <source>取票设置(&amp;K)</source>
        <translation>取票设置(&amp;K)</translation>
    </message>
    <message>
        <source>网络号：</source>
        <translation>网络号：</translation>
    </message>
    <message>
        <source>每日清号时间：</source>
        <translation>每日清号时间：</translation>
    </message>
    <message>
        <source>号码格式：</source>
        <translation>号码格式：</translation>
    </message>
    <message>
        <source>取票间隔：</source>
        <translation>取票间隔：</translation>
    </message>
    <message>
        <source>每种类型每天的取号限制：</source>
        <translation>每种类型每天的取号限制：</translation>
    </message>
    <message>
        <source>勾选时管理机按下面的上限限制每种类型的取票数</source>
        <translation>勾选时管理机按下面的上限限制每种类型的取票数</translation>
    </message>
    <message>
        <source>类型1：</source>
        <translation>类型1：</translation>
    </message>
    <message>
        <source>类型2：</source>
        <translation>类型2：</translation>
    </message>
    <message>
        <source>类型3：</source>
        <translation>类型3：</translation>
    </message>
    <message>
        <source>类型4：</source>
        <translation>类型4：</translation>
    </message>
    <message>
        <source>类型5：</source>
        <translation>类型5：</translation>
    </message>
    <message>
        <source>类型6：</source>
        <translation>类型6：</translation>
    </message>
    <message>
        <source>类型(&amp;T)</source>
        <translation>类型(&amp;T)</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>停止下载 (Esc)</source>
        <translation>停止下载 (Esc)</translation>
    </message>
    <message>
        <source>第 %1/%2 帧，剩余约 %3 秒</source>
        <translation>第 %1/%2 帧，剩余约 %3 秒</translation>
    </message>
    <message>
        <source>等待设备应答…</source>
        <translation>等待设备应答…</translation>
    </message>
</context>
<context>
    <name>TtQEditTool</name>
    <message>
        <source>TtQEditTool</source>
        <translation>TtQEditTool</translation>
    </message>
    <message>
        <source>标记为排队人数</source>
        <translation>标记为排队人数</translation>
    </message>
    <message>
        <source>标记为时间</source>
        <translation>标记为时间</translation>
    </message>
    <message>
        <source>下载至管理机</source>
        <translation>下载至管理机</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>打印测试</source>
        <translation>打印测试</translation>
    </message>
    <message>
        <source>没有可编辑的页面</source>
        <translation>没有可编辑的页面</translation>
    </message>
    <message>
        <source>图片尺寸 %1×%2 过大</source>
        <translation>图片尺寸 %1×%2 过大</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>打开文件...</translation>
    </message>
    <message>
        <source>插入图片</source>
        <translation>插入图片</translation>
    </message>
    <message>
        <source>无法读取图片文件 %1：
%2</source>
        <translation>无法读取图片文件 %1：
%2</translation>
    </message>
    <message>
        <source>图片 (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>插入二维码或条码</source>
        <translation>插入二维码或条码</translation>
    </message>
    <message>
        <source>打印时文字不做抗锯齿：笔画边缘落在整点上，小字不会糊成一片。适用于整个设计。</source>
        <translation>打印时文字不做抗锯齿：笔画边缘落在整点上，小字不会糊成一片。适用于整个设计。</translation>
    </message>
    <message>
        <source>清晰文字</source>
        <translation>清晰文字</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>粗体(&amp;B)</source>
        <translation>粗体(&amp;B)</translation>
    </message>
    <message>
        <source>斜体(&amp;I)</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source>下划线(&amp;U)</source>
        <translation>下划线(&amp;U)</translation>
    </message>
    <message>
        <source>左对齐(&amp;L)</source>
        <translation>左对齐(&amp;L)</translation>
    </message>
    <message>
        <source>居中(&amp;E)</source>
        <translation>居中(&amp;E)</translation>
    </message>
    <message>
        <source>右对齐(&amp;R)</source>
        <translation>右对齐(&amp;R)</translation>
    </message>
    <message>
        <source>两端对齐(&amp;J)</source>
        <translation>两端对齐(&amp;J)</translation>
    </message>
    <message>
        <source>图片(&amp;P)…</source>
        <translation>图片(&amp;P)…</translation>
    </message>
    <message>
        <source>二维码或条码(&amp;C)…</source>
        <translation>二维码或条码(&amp;C)…</translation>
    </message>
    <message>
        <source>票号(&amp;N)</source>
        <translation>票号(&amp;N)</translation>
    </message>
    <message>
        <source>排队人数(&amp;Q)</source>
        <translation>排队人数(&amp;Q)</translation>
    </message>
    <message>
        <source>日期时间(&amp;T)</source>
        <translation>日期时间(&amp;T)</translation>
    </message>
    <message>
        <source>下载至管理机(&amp;D)</source>
        <translation>下载至管理机(&amp;D)</translation>
    </message>
    <message>
        <source>打印预览(&amp;V)</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>打印测试(&amp;P)</source>
        <translation>打印测试(&amp;P)</translation>
    </message>
    <message>
        <source>按打印效果显示(&amp;P)</source>
        <translation>按打印效果显示(&amp;P)</translation>
    </message>
    <message>
        <source>以管理机打印的点显示页面，标记中填入示例值 (%1)</source>
        <translation>以管理机打印的点显示页面，标记中填入示例值 (%1)</translation>
    </message>
    <message>
        <source>插入图片：PNG、BMP、JPEG 等均可，灰度和彩色图片转为黑白，过宽的图片缩放到页宽</source>
        <translation>插入图片：PNG、BMP、JPEG 等均可，灰度和彩色图片转为黑白，过宽的图片缩放到页宽</translation>
    </message>
    <message>
        <source>标记为票号</source>
        <translation>标记为票号</translation>
    </message>
</context>
<context>
    <name>TtQTextEdit</name>
    <message>
        <source>管理机无法存储此页</source>
        <translation>管理机无法存储此页</translation>
    </message>
</context>
<context>
    <name>ZoomControl</name>
    <message>
        <source>放大(&amp;I)</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>缩小(&amp;O)</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>实际大小(&amp;A)</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>页面显示比例（不影响打印）</source>
        <translation>页面显示比例（不影响打印）</translation>
    </message>
</context>
</TS>
