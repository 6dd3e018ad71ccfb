<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Asker</name>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>不保存(&amp;D)</source>
        <translation>&amp;Don&apos;t save</translation>
    </message>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>CodeDialog</name>
    <message>
        <source>插入二维码或条码</source>
        <translation>Insert QR code or barcode</translation>
    </message>
    <message>
        <source>码制：</source>
        <translation>Symbology:</translation>
    </message>
    <message>
        <source>内容：</source>
        <translation>Content:</translation>
    </message>
    <message>
        <source>模块大小：</source>
        <translation>Module size:</translation>
    </message>
    <message>
        <source> 点</source>
        <translation> dots</translation>
    </message>
    <message>
        <source>纠错等级：</source>
        <translation>Error correction:</translation>
    </message>
    <message>
        <source>在码下方印出内容</source>
        <translation>Print the content under the code</translation>
    </message>
    <message>
        <source>%1 × %2 点（%3 × %4 毫米），模块 %5 毫米</source>
        <translation>%1 × %2 dots (%3 × %4 mm), module %5 mm</translation>
    </message>
    <message>
        <source>编辑二维码或条码</source>
        <translation>Edit QR code or barcode</translation>
    </message>
</context>
<context>
    <name>CodeTexts</name>
    <message>
        <source>内容过长，此码容纳不下</source>
        <translation>The content is too long for this code</translation>
    </message>
    <message>
        <source>内容中有此码不能表示的字符</source>
        <translation>The content has characters this code cannot hold</translation>
    </message>
    <message>
        <source>校验位不正确</source>
        <translation>The check digit is wrong</translation>
    </message>
    <message>
        <source>无法生成此码</source>
        <translation>This code cannot be made</translation>
    </message>
    <message>
        <source>模块至少 %1 点：更小的模块印在纸上扫不出</source>
        <translation>A module needs at least %1 dots: smaller modules do not scan from paper</translation>
    </message>
    <message>
        <source>模块最多 %1 点</source>
        <translation>A module can be at most %1 dots</translation>
    </message>
    <message>
        <source>请输入码的内容</source>
        <translation>Enter the content of the code</translation>
    </message>
    <message>
        <source>EAN-13 需要 12 位数字，或连同校验位 13 位</source>
        <translation>EAN-13 takes 12 digits, or 13 with the check digit</translation>
    </message>
    <message>
        <source>此码宽 %1 点，纸上只有 %2 点；请减少内容或缩小模块</source>
        <translation>This code is %1 dots wide, the paper has room for %2; shorten the content or use smaller modules</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>粘贴为纯文本(&amp;L)</source>
        <translation>Paste as p&amp;lain text</translation>
    </message>
    <message>
        <source>全选(&amp;A)</source>
        <translation>Select &amp;all</translation>
    </message>
</context>
<context>
    <name>FontBox</name>
    <message>
        <source>缺：%1</source>
        <translation>Missing: %1</translation>
    </message>
    <message>
        <source>（程序自带）</source>
        <translation> (comes with the program)</translation>
    </message>
    <message>
        <source>（保存时嵌入设计）</source>
        <translation> (saved into the design)</translation>
    </message>
    <message>
        <source>（仅本机，不允许嵌入）</source>
        <translation> (this PC only, may not be embedded)</translation>
    </message>
    <message>
        <source>（本机没有，以“%1”代替）</source>
        <translation> (missing here, “%1” is used instead)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>TicketStation 操作指南</source>
        <translation>TicketStation operator&apos;s guide</translation>
    </message>
</context>
<context>
    <name>JobLogDialog</name>
    <message>
        <source>任务记录</source>
        <translation>Job log</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>任务</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>帧</source>
        <translation>Frames</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>知道了</source>
        <translation>Dismiss</translation>
    </message>
</context>
<context>
    <name>PictureImportDialog</name>
    <message>
        <source>导入图片</source>
        <translation>Import picture</translation>
    </message>
    <message>
        <source>这张图片不是纯黑白的，而打印机只能打印黑点。请选择导入方式：</source>
        <translation>This picture is not pure black and white, and the printer prints only black dots. Choose how to import it:</translation>
    </message>
    <message>
        <source>抖动（Floyd–Steinberg，灰度变为点的疏密）</source>
        <translation>Dither (Floyd–Steinberg: grey becomes dot density)</translation>
    </message>
    <message>
        <source>阈值 50%（较暗的像素印黑，其余留白）</source>
        <translation>Threshold 50% (darker pixels print black, the rest stays white)</translation>
    </message>
    <message>
        <source>保持原样（所有非白色像素都印成黑色）</source>
        <translation>Keep as is (every pixel that is not white prints black)</translation>
    </message>
    <message>
        <source>导入后的大小：%1 × %2 点</source>
        <translation>Size after import: %1 × %2 dots</translation>
    </message>
    <message>
        <source>图片宽 %1 点，超过页面内容宽度：缩放到 %2 点宽（保持宽高比）</source>
        <translation>The picture is %1 dots wide, wider than the page&apos;s content: scale it to %2 dots (keeping the aspect ratio)</translation>
    </message>
    <message>
        <source>导入后的大小：%1 × %2 点，比页面内容宽度 %3 点宽，右边缘可能被纸边截去</source>
        <translation>Size after import: %1 × %2 dots, wider than the page&apos;s content width of %3 dots; the paper&apos;s edge may cut off its right edge</translation>
    </message>
    <message>
        <source>这张图片比页面内容宽，右边缘不会打印。请选择导入方式：</source>
        <translation>This picture is wider than the page&apos;s content, so its right edge would not print. Choose how to bring it in:</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>端口不存在</source>
        <translation>port not found</translation>
    </message>
    <message>
        <source>端口正被其他程序使用</source>
        <translation>port busy: another program is using it</translation>
    </message>
    <message>
        <source>没有使用该端口的权限</source>
        <translation>permission denied: this user may not use the port</translation>
    </message>
    <message>
        <source>连接被拒绝：该地址上没有设备服务器在监听</source>
        <translation>connection refused: no device server listens at this address</translation>
    </message>
    <message>
        <source>网络不可达</source>
        <translation>network unreachable</translation>
    </message>
    <message>
        <source>连接超时</source>
        <translation>connection timed out</translation>
    </message>
    <message>
        <source>端口无法打开</source>
        <translation>the port cannot be opened</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>放大 2 倍</source>
        <translation>Zoom ×2</translation>
    </message>
    <message>
        <source>管理机无法存储此页</source>
        <translation>The ticket machine cannot store this page</translation>
    </message>
    <message>
        <source>纸宽：%1 点（%2 毫米）</source>
        <translation>Paper width: %1 dots (%2 mm)</translation>
    </message>
    <message>
        <source>页高：%1 点（%2 毫米）</source>
        <translation>Page height: %1 dots (%2 mm)</translation>
    </message>
    <message>
        <source>页高：%1 点（%2 毫米），页面底部 %3 行不打印</source>
        <translation>Page height: %1 dots (%2 mm); rows at the bottom that do not print: %3</translation>
    </message>
    <message>
        <source>因灰色或彩色像素而印成黑色的点：%1</source>
        <translation>Dots printed black because of grey or coloured pixels: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>文件过大</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>不是有效的 JSON 文件</source>
        <translation>Not a valid JSON file</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type </translation>
    </message>
    <message>
        <source>关于 TicketStation</source>
        <translation>About TicketStation</translation>
    </message>
    <message>
        <source>版本 %1，基于 Qt %2</source>
        <translation>Version %1, built on Qt %2</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>保存失败：%1</source>
        <translation>Saving failed: %1</translation>
    </message>
    <message>
        <source>打开失败：%1</source>
        <translation>Cannot open: %1</translation>
    </message>
    <message>
        <source>打开配置文件</source>
        <translation>Open configuration file</translation>
    </message>
    <message>
        <source>保存配置文件</source>
        <translation>Save configuration file</translation>
    </message>
    <message>
        <source>重启后生效</source>
        <translation>Takes effect after restart</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>版本号:--</source>
        <translation>Version: --</translation>
    </message>
    <message>
        <source>连接状态:--</source>
        <translation>Status: --</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>版本号:%1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>连接状态:已连接</source>
        <translation>Status: connected</translation>
    </message>
    <message>
        <source>当前进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>设备连接已断开</source>
        <translation>The device was disconnected</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>文件中的键重复出现：%1</source>
        <translation>The file repeats the key: %1</translation>
    </message>
    <message>
        <source>设备无应答：请检查端口是否正确、设备是否开机</source>
        <translation>The device does not answer: check that the port is right and the device is switched on</translation>
    </message>
    <message>
        <source>这不是设计文件</source>
        <translation>This is not a design file</translation>
    </message>
    <message>
        <source>设计已修改，是否保存？</source>
        <translation>The design has been changed. Save it?</translation>
    </message>
    <message>
        <source>无法打开端口 %1：%2</source>
        <translation>Cannot open port %1: %2</translation>
    </message>
    <message>
        <source>未连接设备：请先选择或输入端口，再点击“连接设备”</source>
        <translation>No device connected: choose or type a port, then click “Connect”</translation>
    </message>
    <message>
        <source>超出页面高度的内容不会打印：%1</source>
        <translation>Content below the page height will not print: %1</translation>
    </message>
    <message>
        <source>网络端口应写成 tcp://地址:端口号</source>
        <translation>write a network port as tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>端口号应为 1 到 65535 之间的数字</source>
        <translation>the port number must be a number from 1 to 65535</translation>
    </message>
    <message>
        <source>地址应为 IP 地址（IPv6 地址加方括号）或 localhost</source>
        <translation>the host must be an IP address (IPv6 in brackets) or localhost</translation>
    </message>
    <message>
        <source>连接状态:正在连接…</source>
        <translation>Status: connecting…</translation>
    </message>
    <message>
        <source>最近的设计(&amp;R)</source>
        <translation>&amp;Recent designs</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>用作启动设计</source>
        <translation>Use as start-up design</translation>
    </message>
    <message>
        <source>替换现有的启动设计？程序启动时将打开当前设计。</source>
        <translation>Replace the start-up design? The program will open the current design when it starts.</translation>
    </message>
    <message>
        <source>已设为启动设计</source>
        <translation>Set as the start-up design</translation>
    </message>
    <message>
        <source>删除类型</source>
        <translation>Remove ticket type</translation>
    </message>
    <message>
        <source>删除%1及其内容？后面的类型将依次前移。</source>
        <translation>Remove %1 and its content? The types after it move up by one.</translation>
    </message>
    <message>
        <source>号码</source>
        <translation>ticket number</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>time</translation>
    </message>
    <message>
        <source>排队人数</source>
        <translation>people waiting</translation>
    </message>
    <message>
        <source>%1：%2标记有第二段，会印成一条黑条</source>
        <translation>%1: the %2 mark has a second run, which prints as a black bar</translation>
    </message>
    <message>
        <source>%1：图片超出纸宽，右边缘不会打印</source>
        <translation>%1: a picture is wider than the paper; its right edge will not print</translation>
    </message>
    <message>
        <source>“%1”以“%2”代替</source>
        <translation>“%1” is replaced by “%2”</translation>
    </message>
    <message>
        <source>此页已有%1标记，已将它选中：每种标记每页只能有一个</source>
        <translation>This page already has a %1 mark, now selected: a page takes one mark of each kind</translation>
    </message>
    <message>
        <source>设备将保留不完整的设计，直到下一次完整下载。</source>
        <translation>The device keeps an incomplete design until the next complete download.</translation>
    </message>
    <message>
        <source>停止下载</source>
        <translation>Stop the download</translation>
    </message>
    <message>
        <source>下载完成：设备已应答</source>
        <translation>Download finished: the device answered</translation>
    </message>
    <message>
        <source>停止下载并断开连接？</source>
        <translation>Stop the download and disconnect? </translation>
    </message>
    <message>
        <source>连接状态:设备无应答</source>
        <translation>Status: not answering</translation>
    </message>
    <message>
        <source>已发送，但设备之后没有应答</source>
        <translation>Sent, but the device did not answer afterwards</translation>
    </message>
    <message>
        <source>设计已发送，但设备之后没有应答；设备可能没有保存它。</source>
        <translation>The design was sent, but the device did not answer afterwards; it may not have stored it.</translation>
    </message>
    <message>
        <source>停止下载？</source>
        <translation>Stop the download? </translation>
    </message>
    <message>
        <source>下载尚未完成，退出会中断它。</source>
        <translation>The download is not finished; quitting stops it. </translation>
    </message>
    <message>
        <source>仍要退出吗？</source>
        <translation>Quit anyway?</translation>
    </message>
    <message>
        <source>%1 超出了设备的 %2 种票类型：不会下载，但仍保存在设计文件中。</source>
        <translation>Beyond the device&apos;s %2 ticket types: %1. Not downloaded, but kept in the design file.</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>撤销类型更改(&amp;U)</source>
        <translation>&amp;Undo ticket type change</translation>
    </message>
    <message>
        <source>重命名类型(&amp;N)…</source>
        <translation>Re&amp;name ticket type…</translation>
    </message>
    <message>
        <source>复制类型(&amp;D)</source>
        <translation>&amp;Duplicate ticket type</translation>
    </message>
    <message>
        <source>左移类型(&amp;L)</source>
        <translation>Move ticket type &amp;left</translation>
    </message>
    <message>
        <source>右移类型(&amp;I)</source>
        <translation>Move ticket type r&amp;ight</translation>
    </message>
    <message>
        <source>添加类型</source>
        <translation>Add ticket type</translation>
    </message>
    <message>
        <source>重命名类型</source>
        <translation>Rename ticket type</translation>
    </message>
    <message>
        <source>类型名称（留空则显示编号）：</source>
        <translation>Name of the ticket type (empty: its number):</translation>
    </message>
    <message>
        <source>复制类型</source>
        <translation>Duplicate ticket type</translation>
    </message>
    <message>
        <source>移动类型</source>
        <translation>Move ticket type</translation>
    </message>
    <message>
        <source>本机没有设计所用的字体，以程序自带的字体代替：%1</source>
        <translation>Fonts missing here, drawn with the program&apos;s own: %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>仅本机有的字体，保存时嵌入设计文件：%1</source>
        <translation>Fonts only this PC has, saved into the design: %1</translation>
    </message>
    <message>
        <source>字体的许可不允许嵌入设计文件，其他电脑打印时：%1</source>
        <translation>Fonts whose licence forbids saving them into the design; on other PCs: %1</translation>
    </message>
    <message>
        <source>设备只有 %1 种类型，%2 不会下载到设备</source>
        <translation>The device has %1 ticket types; %2 is not downloaded to it</translation>
    </message>
    <message>
        <source>%1 无法渲染（内容过大或内存不足）</source>
        <translation>%1 cannot be rendered (too large, or not enough memory)</translation>
    </message>
    <message>
        <source>设计只有 %1 页，没有第 %2 页</source>
        <translation>the design has %1 pages, no page %2</translation>
    </message>
    <message>
        <source>%1 不会下载到设备：设备只有 %2 种类型</source>
        <translation>%1 is not downloaded to the device: it has %2 ticket types</translation>
    </message>
    <message>
        <source>连接已断开，没有发送任何数据</source>
        <translation>line lost before anything was sent</translation>
    </message>
    <message>
        <source>连接已断开（已发送 %1/%2 帧）</source>
        <translation>line lost at %1 of %2 frames</translation>
    </message>
    <message>
        <source>连接在设备应答之前断开</source>
        <translation>line lost before the device answered</translation>
    </message>
    <message>
        <source>设备停止接收数据（已发送 %1/%2 帧），连接已关闭</source>
        <translation>the line stopped taking data at %1 of %2 frames; the connection was closed</translation>
    </message>
    <message>
        <source>已停止，没有发送任何数据</source>
        <translation>stopped before anything was sent</translation>
    </message>
    <message>
        <source>已停止（已发送 %1/%2 帧）</source>
        <translation>stopped at %1 of %2 frames</translation>
    </message>
    <message>
        <source>已停止，没有等到设备应答</source>
        <translation>stopped before the device answered</translation>
    </message>
    <message>
        <source>设备没有应答版本查询</source>
        <translation>no answer to the version query</translation>
    </message>
    <message>
        <source>下载设计</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>测试打印</source>
        <translation>Test print</translation>
    </message>
    <message>
        <source>设置时钟</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>发送系统设置</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>查询版本</source>
        <translation>Version query</translation>
    </message>
    <message>
        <source>%1：等待发送…</source>
        <translation>%1: waiting to be sent…</translation>
    </message>
    <message>
        <source>%1：已发送 %2/%3 帧</source>
        <translation>%1: %2 of %3 frames sent</translation>
    </message>
    <message>
        <source>%1：等待设备应答…</source>
        <translation>%1: waiting for the device to answer…</translation>
    </message>
    <message>
        <source>测试票已发送：设备已应答</source>
        <translation>Test ticket sent: the device answered</translation>
    </message>
    <message>
        <source>时钟已设置：设备已应答</source>
        <translation>Clock set: the device answered</translation>
    </message>
    <message>
        <source>系统设置已发送：设备已应答</source>
        <translation>System settings sent: the device answered</translation>
    </message>
    <message>
        <source>设备已应答版本查询</source>
        <translation>The device answered the version query</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1失败：%2</source>
        <translation>%1 failed: %2</translation>
    </message>
    <message>
        <source>任务记录(&amp;J)…</source>
        <translation>&amp;Job log…</translation>
    </message>
    <message>
        <source>检查发现：</source>
        <translation>The checks found:</translation>
    </message>
    <message>
        <source>仍要下载吗？</source>
        <translation>Download anyway?</translation>
    </message>
    <message>
        <source>无法生成预览：%1</source>
        <translation>Cannot make the preview: %1</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>%1 秒内未能连接</source>
        <translation>no connection within %1 s</translation>
    </message>
</context>
<context>
    <name>TicketStation</name>
    <message>
        <source>操作指南(&amp;G)</source>
        <translation>Operator&apos;s &amp;guide</translation>
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
        <translation>Type 1</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:26pt;&quot;&gt;小票8打印测试&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;1.相关介绍：V2.0.x版本测试，目前版本支持只能下载6个类型最大尺寸16cm，如需导入图片请先处理成黑白后导入；&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;2.功能介绍：第一排：除最后一个按钮为小票内容下载按钮其余均为排版功能；第二排：时间、号码、排队人数标记按钮，注意每个标记仅允许标记一次，最后一个为当前小票打印测试按钮。&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:26pt;&quot;&gt;号码：&lt;/span&gt;&lt;span style=&quot; font-size:18pt; background-color:#e1ddfa;&quot;&gt;0001&lt;/span&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt; &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:14pt;&quot;&gt;剩余人数：&lt;/span&gt;&lt;span style=&quot; font-size:14pt; background-color:#fac3c3;&quot;&gt;02&lt;/span&gt; &lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:14pt; background-color:#fadbc0;&quot;&gt;02-02-2022 22:22:22&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance; font-family:&apos;WenQuanYi Micro Hei&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:26pt;&quot;&gt;Ticket 8 print test&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;1. About: a test of version V2.0.x. This version downloads at most 6 types of at most 16 cm; make pictures black and white before importing them;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;2. Functions: first row: every button but the last, which downloads the tickets, is for layout; second row: buttons that mark the time, the number and the people waiting; use each mark only once; the last button prints a test of the current ticket.&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:26pt;&quot;&gt;Number: &lt;/span&gt;&lt;span style=&quot; font-size:18pt; background-color:#e1ddfa;&quot;&gt;0001&lt;/span&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt; &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:14pt;&quot;&gt;Waiting: &lt;/span&gt;&lt;span style=&quot; font-size:14pt; background-color:#fac3c3;&quot;&gt;02&lt;/span&gt; &lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:14pt; background-color:#fadbc0;&quot;&gt;02-02-2022 22:22:22&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance; font-family:&apos;WenQuanYi Micro Hei&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>同步系统设置</source>
        <translation>Send settings</translation>
    </message>
    <message>
        <source>同步时间</source>
        <translation>Set clock</translation>
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
        <translation>Enable</translation>
    </message>
    <message>
        <source>版本号:--</source>
        <translation>Version: --</translation>
    </message>
    <message>
        <source>连接状态:-- </source>
        <translation>Status: -- </translation>
    </message>
    <message>
        <source>管理机所连的串口，或串口服务器的地址 tcp://主机:端口</source>
        <translation>The serial port the ticket machine is on, or a device server&apos;s address tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>打开或断开与管理机的连接</source>
        <translation>Connect to or disconnect from the ticket machine</translation>
    </message>
    <message>
        <source>管理机的网络号（0–99），随系统设置一起发送</source>
        <translation>The ticket machine&apos;s network number (0–99), sent with the system settings</translation>
    </message>
    <message>
        <source>把网络号、每日清号时间、号码格式、取票间隔和取号限制发送到管理机</source>
        <translation>Send the network number, daily number reset, number format, ticket interval and number limits to the ticket machine</translation>
    </message>
    <message>
        <source>每日清号时间：管理机每天在这个整点把票号重新从头开始（不是时钟）</source>
        <translation>Daily number reset: the hour at which the ticket machine starts the numbers again each day (not the clock)</translation>
    </message>
    <message>
        <source>把这台电脑的当前日期和时间设为管理机的时钟</source>
        <translation>Set the ticket machine&apos;s clock to this computer&apos;s date and time</translation>
    </message>
    <message>
        <source>票号的打印格式：补零（0001）或不补零（1）</source>
        <translation>How ticket numbers print: with leading zeros (0001) or without (1)</translation>
    </message>
    <message>
        <source>两次取票之间管理机至少等待的间隔（0–5）</source>
        <translation>The least interval the ticket machine keeps between two tickets (0–5)</translation>
    </message>
    <message>
        <source>类型1每天最多可取的票数（0–9999）</source>
        <translation>Most tickets of type 1 a day (0–9999)</translation>
    </message>
    <message>
        <source>类型2每天最多可取的票数（0–9999）</source>
        <translation>Most tickets of type 2 a day (0–9999)</translation>
    </message>
    <message>
        <source>类型3每天最多可取的票数（0–9999）</source>
        <translation>Most tickets of type 3 a day (0–9999)</translation>
    </message>
    <message>
        <source>类型6每天最多可取的票数（0–9999）</source>
        <translation>Most tickets of type 6 a day (0–9999)</translation>
    </message>
    <message>
        <source>类型5每天最多可取的票数（0–9999）</source>
        <translation>Most tickets of type 5 a day (0–9999)</translation>
    </message>
    <message>
        <source>类型4每天最多可取的票数（0–9999）</source>
        <translation>Most tickets of type 4 a day (0–9999)</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>格式(&amp;O)</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>插入(&amp;I)</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存(&amp;A)…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>用作启动设计(&amp;T)</source>
        <translation>Use as s&amp;tart-up design</translation>
    </message>
    <message>
        <source>程序启动时打开这个设计</source>
        <translation>Open this design when the program starts</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>添加类型(&amp;A)</source>
        <translation>&amp;Add ticket type</translation>
    </message>
    <message>
        <source>删除当前类型(&amp;R)…</source>
        <translation>&amp;Remove ticket type…</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>设备(&amp;D)</source>
        <translation>&amp;Device</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>管理机时钟：</source>
        <translation>Machine clock:</translation>
    </message>
    <message>
        <source>页面最大高度：</source>
        <translation>Maximum page height:</translation>
    </message>
    <message>
        <source>每页最多打印的点行数（8 点 = 1 毫米），本机所有设计通用</source>
        <translation>The most dot rows a page prints (8 dots = 1 mm), for every design on this computer</translation>
    </message>
    <message>
        <source> 点</source>
        <translation> dots</translation>
    </message>
    <message>
        <source>取票设置(&amp;K)</source>
        <translation>Tic&amp;kets</translation>
    </message>
    <message>
        <source>网络号：</source>
        <translation>Network number:</translation>
    </message>
    <message>
        <source>每日清号时间：</source>
        <translation>Daily number reset:</translation>
    </message>
    <message>
        <source>号码格式：</source>
        <translation>Number format:</translation>
    </message>
    <message>
        <source>取票间隔：</source>
        <translation>Ticketing interval:</translation>
    </message>
    <message>
        <source>每种类型每天的取号限制：</source>
        <translation>Number limits per ticket type and day:</translation>
    </message>
    <message>
        <source>勾选时管理机按下面的上限限制每种类型的取票数</source>
        <translation>When ticked, the machine limits the tickets of each type to the values below</translation>
    </message>
    <message>
        <source>类型1：</source>
        <translation>Type 1:</translation>
    </message>
    <message>
        <source>类型2：</source>
        <translation>Type 2:</translation>
    </message>
    <message>
        <source>类型3：</source>
        <translation>Type 3:</translation>
    </message>
    <message>
        <source>类型4：</source>
        <translation>Type 4:</translation>
    </message>
    <message>
        <source>类型5：</source>
        <translation>Type 5:</translation>
    </message>
    <message>
        <source>类型6：</source>
        <translation>Type 6:</translation>
    </message>
    <message>
        <source>类型(&amp;T)</source>
        <translation>&amp;Ticket types</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>停止下载 (Esc)</source>
        <translation>Stop the download (Esc)</translation>
    </message>
    <message>
        <source>第 %1/%2 帧，剩余约 %3 秒</source>
        <translation>Frame %1 of %2, about %3 s left</translation>
    </message>
    <message>
        <source>等待设备应答…</source>
        <translation>Waiting for the device to answer…</translation>
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
        <translation>Mark as people waiting</translation>
    </message>
    <message>
        <source>标记为时间</source>
        <translation>Mark as time</translation>
    </message>
    <message>
        <source>下载至管理机</source>
        <translation>Download to the ticket machine</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>打印测试</source>
        <translation>Test print</translation>
    </message>
    <message>
        <source>没有可编辑的页面</source>
        <translation>No page to edit</translation>
    </message>
    <message>
        <source>图片尺寸 %1×%2 过大</source>
        <translation>Picture size %1×%2 is too large</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Open File...</translation>
    </message>
    <message>
        <source>插入图片</source>
        <translation>Insert picture</translation>
    </message>
    <message>
        <source>无法读取图片文件 %1：
%2</source>
        <translation>Cannot read the picture file %1:
%2</translation>
    </message>
    <message>
        <source>图片 (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>插入二维码或条码</source>
        <translation>Insert QR code or barcode</translation>
    </message>
    <message>
        <source>打印时文字不做抗锯齿：笔画边缘落在整点上，小字不会糊成一片。适用于整个设计。</source>
        <translation>Print text without anti-aliasing: glyph edges fall on whole dots, so small text does not fill in. Applies to the whole design.</translation>
    </message>
    <message>
        <source>清晰文字</source>
        <translation>Sharp text</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>粗体(&amp;B)</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>斜体(&amp;I)</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <source>下划线(&amp;U)</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <source>左对齐(&amp;L)</source>
        <translation>Align &amp;Left</translation>
    </message>
    <message>
        <source>居中(&amp;E)</source>
        <translation>C&amp;enter</translation>
    </message>
    <message>
        <source>右对齐(&amp;R)</source>
        <translation>Align &amp;Right</translation>
    </message>
    <message>
        <source>两端对齐(&amp;J)</source>
        <translation>&amp;Justify</translation>
    </message>
    <message>
        <source>图片(&amp;P)…</source>
        <translation>&amp;Picture…</translation>
    </message>
    <message>
        <source>二维码或条码(&amp;C)…</source>
        <translation>QR &amp;code or barcode…</translation>
    </message>
    <message>
        <source>票号(&amp;N)</source>
        <translation>Ticket &amp;number</translation>
    </message>
    <message>
        <source>排队人数(&amp;Q)</source>
        <translation>People &amp;waiting</translation>
    </message>
    <message>
        <source>日期时间(&amp;T)</source>
        <translation>Date and &amp;time</translation>
    </message>
    <message>
        <source>下载至管理机(&amp;D)</source>
        <translation>&amp;Download to the ticket machine</translation>
    </message>
    <message>
        <source>打印预览(&amp;V)</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>打印测试(&amp;P)</source>
        <translation>Test &amp;print</translation>
    </message>
    <message>
        <source>按打印效果显示(&amp;P)</source>
        <translation>Show as &amp;printed</translation>
    </message>
    <message>
        <source>以管理机打印的点显示页面，标记中填入示例值 (%1)</source>
        <translation>Show the page as the dots the ticket machine prints, with sample values in the marks (%1)</translation>
    </message>
    <message>
        <source>插入图片：PNG、BMP、JPEG 等均可，灰度和彩色图片转为黑白，过宽的图片缩放到页宽</source>
        <translation>Insert a picture: PNG, BMP, JPEG and more; grey and colour pictures are made black and white, wide ones scaled to the page</translation>
    </message>
    <message>
        <source>标记为票号</source>
        <translation>Mark as ticket number</translation>
    </message>
</context>
<context>
    <name>TtQTextEdit</name>
    <message>
        <source>管理机无法存储此页</source>
        <translation>The ticket machine cannot store this page</translation>
    </message>
</context>
<context>
    <name>ZoomControl</name>
    <message>
        <source>放大(&amp;I)</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>缩小(&amp;O)</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>实际大小(&amp;A)</source>
        <translation>&amp;Actual size</translation>
    </message>
    <message>
        <source>页面显示比例（不影响打印）</source>
        <translation>Page zoom (does not change the print)</translation>
    </message>
</context>
</TS>
