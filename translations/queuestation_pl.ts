<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
<context>
    <name>Asker</name>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>不保存(&amp;D)</source>
        <translation>&amp;Nie zapisuj</translation>
    </message>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>CodeDialog</name>
    <message>
        <source>插入二维码或条码</source>
        <translation>Wstaw kod QR lub kod kreskowy</translation>
    </message>
    <message>
        <source>码制：</source>
        <translation>Rodzaj kodu:</translation>
    </message>
    <message>
        <source>内容：</source>
        <translation>Treść:</translation>
    </message>
    <message>
        <source>模块大小：</source>
        <translation>Rozmiar modułu:</translation>
    </message>
    <message>
        <source> 点</source>
        <translation> pkt</translation>
    </message>
    <message>
        <source>纠错等级：</source>
        <translation>Korekcja błędów:</translation>
    </message>
    <message>
        <source>在码下方印出内容</source>
        <translation>Drukuj treść pod kodem</translation>
    </message>
    <message>
        <source>%1 × %2 点（%3 × %4 毫米），模块 %5 毫米</source>
        <translation>%1 × %2 pkt (%3 × %4 mm), moduł %5 mm</translation>
    </message>
    <message>
        <source>编辑二维码或条码</source>
        <translation>Edytuj kod QR lub kreskowy</translation>
    </message>
</context>
<context>
    <name>CodeTexts</name>
    <message>
        <source>内容过长，此码容纳不下</source>
        <translation>Treść jest za długa dla tego kodu</translation>
    </message>
    <message>
        <source>内容中有此码不能表示的字符</source>
        <translation>Treść zawiera znaki, których ten kod nie może zapisać</translation>
    </message>
    <message>
        <source>校验位不正确</source>
        <translation>Cyfra kontrolna jest błędna</translation>
    </message>
    <message>
        <source>无法生成此码</source>
        <translation>Nie można utworzyć tego kodu</translation>
    </message>
    <message>
        <source>模块至少 %1 点：更小的模块印在纸上扫不出</source>
        <translation>Moduł musi mieć co najmniej %1 pkt: mniejszych modułów nie da się zeskanować z papieru</translation>
    </message>
    <message>
        <source>模块最多 %1 点</source>
        <translation>Moduł może mieć najwyżej %1 pkt</translation>
    </message>
    <message>
        <source>请输入码的内容</source>
        <translation>Wpisz treść kodu</translation>
    </message>
    <message>
        <source>EAN-13 需要 12 位数字，或连同校验位 13 位</source>
        <translation>EAN-13 wymaga 12 cyfr albo 13 z cyfrą kontrolną</translation>
    </message>
    <message>
        <source>此码宽 %1 点，纸上只有 %2 点；请减少内容或缩小模块</source>
        <translation>Ten kod ma szerokość %1 pkt, a na papierze jest miejsce na %2 pkt; skróć treść lub zmniejsz moduły</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>粘贴为纯文本(&amp;L)</source>
        <translation>Wklej jako &amp;zwykły tekst</translation>
    </message>
    <message>
        <source>全选(&amp;A)</source>
        <translation>Z&amp;aznacz wszystko</translation>
    </message>
</context>
<context>
    <name>FontBox</name>
    <message>
        <source>缺：%1</source>
        <translation>Brak: %1</translation>
    </message>
    <message>
        <source>（程序自带）</source>
        <translation> (dołączona do programu)</translation>
    </message>
    <message>
        <source>（保存时嵌入设计）</source>
        <translation> (zapisywana w projekcie)</translation>
    </message>
    <message>
        <source>（仅本机，不允许嵌入）</source>
        <translation> (tylko ten komputer, nie można osadzić)</translation>
    </message>
    <message>
        <source>（本机没有，以“%1”代替）</source>
        <translation> (brak na tym komputerze, zamiast niej „%1”)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>TicketStation 操作指南</source>
        <translation>TicketStation – instrukcja obsługi</translation>
    </message>
</context>
<context>
    <name>JobLogDialog</name>
    <message>
        <source>任务记录</source>
        <translation>Dziennik zadań</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>任务</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>帧</source>
        <translation>Ramki</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>知道了</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>PictureImportDialog</name>
    <message>
        <source>导入图片</source>
        <translation>Import obrazu</translation>
    </message>
    <message>
        <source>这张图片不是纯黑白的，而打印机只能打印黑点。请选择导入方式：</source>
        <translation>Ten obraz nie jest czysto czarno-biały, a drukarka drukuje tylko czarne punkty. Wybierz sposób importu:</translation>
    </message>
    <message>
        <source>抖动（Floyd–Steinberg，灰度变为点的疏密）</source>
        <translation>Rozpraszanie (Floyd–Steinberg: szarość jako gęstość punktów)</translation>
    </message>
    <message>
        <source>阈值 50%（较暗的像素印黑，其余留白）</source>
        <translation>Próg 50% (ciemniejsze piksele na czarno, reszta zostaje biała)</translation>
    </message>
    <message>
        <source>保持原样（所有非白色像素都印成黑色）</source>
        <translation>Bez zmian (każdy piksel inny niż biały drukuje się na czarno)</translation>
    </message>
    <message>
        <source>导入后的大小：%1 × %2 点</source>
        <translation>Rozmiar po imporcie: %1 × %2 punktów</translation>
    </message>
    <message>
        <source>图片宽 %1 点，超过页面内容宽度：缩放到 %2 点宽（保持宽高比）</source>
        <translation>Obraz ma %1 punktów szerokości, więcej niż treść strony: skaluj do %2 punktów (z zachowaniem proporcji)</translation>
    </message>
    <message>
        <source>导入后的大小：%1 × %2 点，比页面内容宽度 %3 点宽，右边缘可能被纸边截去</source>
        <translation>Rozmiar po imporcie: %1 × %2 punktów, więcej niż szerokość treści strony (%3 punktów); krawędź papieru może obciąć jego prawy brzeg</translation>
    </message>
    <message>
        <source>这张图片比页面内容宽，右边缘不会打印。请选择导入方式：</source>
        <translation>Ten obraz jest szerszy niż treść strony, więc jego prawy brzeg nie zostałby wydrukowany. Wybierz sposób importu:</translation>
    </message>
</context>
<context>
    <name>PortFailure</name>
    <message>
        <source>端口不存在</source>
        <translation>port nie istnieje</translation>
    </message>
    <message>
        <source>端口正被其他程序使用</source>
        <translation>port zajęty: używa go inny program</translation>
    </message>
    <message>
        <source>没有使用该端口的权限</source>
        <translation>brak uprawnień: ten użytkownik nie może używać portu</translation>
    </message>
    <message>
        <source>连接被拒绝：该地址上没有设备服务器在监听</source>
        <translation>połączenie odrzucone: pod tym adresem nie nasłuchuje żaden serwer urządzeń</translation>
    </message>
    <message>
        <source>网络不可达</source>
        <translation>sieć nieosiągalna</translation>
    </message>
    <message>
        <source>连接超时</source>
        <translation>przekroczono czas połączenia</translation>
    </message>
    <message>
        <source>端口无法打开</source>
        <translation>nie można otworzyć portu</translation>
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
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>放大 2 倍</source>
        <translation>Powiększenie ×2</translation>
    </message>
    <message>
        <source>管理机无法存储此页</source>
        <translation>Automat nie może zapisać tej strony</translation>
    </message>
    <message>
        <source>纸宽：%1 点（%2 毫米）</source>
        <translation>Szerokość papieru: %1 punktów (%2 mm)</translation>
    </message>
    <message>
        <source>页高：%1 点（%2 毫米）</source>
        <translation>Wysokość strony: %1 punktów (%2 mm)</translation>
    </message>
    <message>
        <source>页高：%1 点（%2 毫米），页面底部 %3 行不打印</source>
        <translation>Wysokość strony: %1 punktów (%2 mm); dolne wiersze (%3) nie zostaną wydrukowane</translation>
    </message>
    <message>
        <source>因灰色或彩色像素而印成黑色的点：%1</source>
        <translation>Punkty drukowane na czarno z powodu szarych lub kolorowych pikseli: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>文件过大</source>
        <translation>Plik jest za duży</translation>
    </message>
    <message>
        <source>不是有效的 JSON 文件</source>
        <translation>To nie jest poprawny plik JSON</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Typ </translation>
    </message>
    <message>
        <source>关于 TicketStation</source>
        <translation>O programie TicketStation</translation>
    </message>
    <message>
        <source>版本 %1，基于 Qt %2</source>
        <translation>Wersja %1, zbudowana na Qt %2</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Zapisano: %1</translation>
    </message>
    <message>
        <source>保存失败：%1</source>
        <translation>Zapis nieudany: %1</translation>
    </message>
    <message>
        <source>打开失败：%1</source>
        <translation>Nie można otworzyć: %1</translation>
    </message>
    <message>
        <source>打开配置文件</source>
        <translation>Otwórz plik konfiguracji</translation>
    </message>
    <message>
        <source>保存配置文件</source>
        <translation>Zapisz plik konfiguracji</translation>
    </message>
    <message>
        <source>重启后生效</source>
        <translation>Zadziała po ponownym uruchomieniu</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>版本号:--</source>
        <translation>Wersja: --</translation>
    </message>
    <message>
        <source>连接状态:--</source>
        <translation>Stan: --</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>版本号:%1</source>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>连接状态:已连接</source>
        <translation>Stan: połączono</translation>
    </message>
    <message>
        <source>当前进度</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>设备连接已断开</source>
        <translation>Urządzenie zostało odłączone</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>文件中的键重复出现：%1</source>
        <translation>Klucz powtarza się w pliku: %1</translation>
    </message>
    <message>
        <source>设备无应答：请检查端口是否正确、设备是否开机</source>
        <translation>Urządzenie nie odpowiada: sprawdź, czy port jest właściwy i czy urządzenie jest włączone</translation>
    </message>
    <message>
        <source>这不是设计文件</source>
        <translation>To nie jest plik projektu</translation>
    </message>
    <message>
        <source>设计已修改，是否保存？</source>
        <translation>Projekt został zmieniony. Czy go zapisać?</translation>
    </message>
    <message>
        <source>无法打开端口 %1：%2</source>
        <translation>Nie można otworzyć portu %1: %2</translation>
    </message>
    <message>
        <source>未连接设备：请先选择或输入端口，再点击“连接设备”</source>
        <translation>Brak połączenia z urządzeniem: wybierz lub wpisz port, a potem kliknij „Połącz”</translation>
    </message>
    <message>
        <source>超出页面高度的内容不会打印：%1</source>
        <translation>Treść poniżej wysokości strony nie zostanie wydrukowana: %1</translation>
    </message>
    <message>
        <source>网络端口应写成 tcp://地址:端口号</source>
        <translation>port sieciowy należy zapisać jako tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>端口号应为 1 到 65535 之间的数字</source>
        <translation>numer portu musi być liczbą od 1 do 65535</translation>
    </message>
    <message>
        <source>地址应为 IP 地址（IPv6 地址加方括号）或 localhost</source>
        <translation>host musi być adresem IP (IPv6 w nawiasach kwadratowych) lub localhost</translation>
    </message>
    <message>
        <source>连接状态:正在连接…</source>
        <translation>Stan: łączenie…</translation>
    </message>
    <message>
        <source>最近的设计(&amp;R)</source>
        <translation>Ostatn&amp;ie projekty</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>用作启动设计</source>
        <translation>Użyj jako projektu startowego</translation>
    </message>
    <message>
        <source>替换现有的启动设计？程序启动时将打开当前设计。</source>
        <translation>Zastąpić projekt startowy? Program po uruchomieniu otworzy bieżący projekt.</translation>
    </message>
    <message>
        <source>已设为启动设计</source>
        <translation>Ustawiono jako projekt startowy</translation>
    </message>
    <message>
        <source>删除类型</source>
        <translation>Usuń rodzaj biletu</translation>
    </message>
    <message>
        <source>删除%1及其内容？后面的类型将依次前移。</source>
        <translation>Usunąć %1 wraz z zawartością? Kolejne rodzaje przesuną się o jeden.</translation>
    </message>
    <message>
        <source>号码</source>
        <translation>numeru biletu</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>czasu</translation>
    </message>
    <message>
        <source>排队人数</source>
        <translation>liczby oczekujących</translation>
    </message>
    <message>
        <source>%1：%2标记有第二段，会印成一条黑条</source>
        <translation>%1: znacznik %2 ma drugi odcinek, który wydrukuje się jako czarny pasek</translation>
    </message>
    <message>
        <source>%1：图片超出纸宽，右边缘不会打印</source>
        <translation>%1: obraz jest szerszy niż papier; jego prawy brzeg nie zostanie wydrukowany</translation>
    </message>
    <message>
        <source>“%1”以“%2”代替</source>
        <translation>„%1” zastąpiono przez „%2”</translation>
    </message>
    <message>
        <source>此页已有%1标记，已将它选中：每种标记每页只能有一个</source>
        <translation>Ta strona ma już znacznik %1, został zaznaczony: strona może mieć tylko jeden znacznik każdego rodzaju</translation>
    </message>
    <message>
        <source>设备将保留不完整的设计，直到下一次完整下载。</source>
        <translation>Urządzenie zachowa niepełny projekt aż do następnego pełnego pobrania.</translation>
    </message>
    <message>
        <source>停止下载</source>
        <translation>Zatrzymaj pobieranie</translation>
    </message>
    <message>
        <source>下载完成：设备已应答</source>
        <translation>Pobieranie zakończone: urządzenie odpowiedziało</translation>
    </message>
    <message>
        <source>停止下载并断开连接？</source>
        <translation>Zatrzymać pobieranie i rozłączyć? </translation>
    </message>
    <message>
        <source>连接状态:设备无应答</source>
        <translation>Stan: nie odpowiada</translation>
    </message>
    <message>
        <source>已发送，但设备之后没有应答</source>
        <translation>Wysłano, ale urządzenie potem nie odpowiedziało</translation>
    </message>
    <message>
        <source>设计已发送，但设备之后没有应答；设备可能没有保存它。</source>
        <translation>Projekt został wysłany, ale urządzenie potem nie odpowiedziało; mogło go nie zapisać.</translation>
    </message>
    <message>
        <source>停止下载？</source>
        <translation>Zatrzymać pobieranie? </translation>
    </message>
    <message>
        <source>下载尚未完成，退出会中断它。</source>
        <translation>Pobieranie nie jest zakończone; wyjście je przerwie. </translation>
    </message>
    <message>
        <source>仍要退出吗？</source>
        <translation>Zakończyć mimo to?</translation>
    </message>
    <message>
        <source>%1 超出了设备的 %2 种票类型：不会下载，但仍保存在设计文件中。</source>
        <translation>Poza %2 typami biletów urządzenia: %1. Nie są pobierane, ale pozostają w pliku projektu.</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>撤销类型更改(&amp;U)</source>
        <translation>&amp;Cofnij zmianę typów biletów</translation>
    </message>
    <message>
        <source>重命名类型(&amp;N)…</source>
        <translation>Zmień &amp;nazwę typu biletu…</translation>
    </message>
    <message>
        <source>复制类型(&amp;D)</source>
        <translation>&amp;Powiel typ biletu</translation>
    </message>
    <message>
        <source>左移类型(&amp;L)</source>
        <translation>Przesuń typ biletu w &amp;lewo</translation>
    </message>
    <message>
        <source>右移类型(&amp;I)</source>
        <translation>Przesuń typ biletu w p&amp;rawo</translation>
    </message>
    <message>
        <source>添加类型</source>
        <translation>Dodaj typ biletu</translation>
    </message>
    <message>
        <source>重命名类型</source>
        <translation>Zmień nazwę typu biletu</translation>
    </message>
    <message>
        <source>类型名称（留空则显示编号）：</source>
        <translation>Nazwa typu biletu (puste: jego numer):</translation>
    </message>
    <message>
        <source>复制类型</source>
        <translation>Powiel typ biletu</translation>
    </message>
    <message>
        <source>移动类型</source>
        <translation>Przesuń typ biletu</translation>
    </message>
    <message>
        <source>本机没有设计所用的字体，以程序自带的字体代替：%1</source>
        <translation>Brak czcionek na tym komputerze, użyto czcionek programu: %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>仅本机有的字体，保存时嵌入设计文件：%1</source>
        <translation>Czcionki tylko z tego komputera, zapisywane w projekcie: %1</translation>
    </message>
    <message>
        <source>字体的许可不允许嵌入设计文件，其他电脑打印时：%1</source>
        <translation>Licencja nie pozwala zapisać tych czcionek w projekcie; na innych komputerach: %1</translation>
    </message>
    <message>
        <source>设备只有 %1 种类型，%2 不会下载到设备</source>
        <translation>Urządzenie ma %1 typów biletów; %2 nie zostanie do niego pobrany</translation>
    </message>
    <message>
        <source>%1 无法渲染（内容过大或内存不足）</source>
        <translation>Nie można wyrenderować %1 (za duża zawartość lub brak pamięci)</translation>
    </message>
    <message>
        <source>设计只有 %1 页，没有第 %2 页</source>
        <translation>projekt ma %1 stron, nie ma strony %2</translation>
    </message>
    <message>
        <source>%1 不会下载到设备：设备只有 %2 种类型</source>
        <translation>%1 nie jest pobierany do urządzenia: ma ono %2 typów biletów</translation>
    </message>
    <message>
        <source>连接已断开，没有发送任何数据</source>
        <translation>połączenie utracone, zanim cokolwiek wysłano</translation>
    </message>
    <message>
        <source>连接已断开（已发送 %1/%2 帧）</source>
        <translation>połączenie utracone po %1 z %2 ramek</translation>
    </message>
    <message>
        <source>连接在设备应答之前断开</source>
        <translation>połączenie utracone, zanim urządzenie odpowiedziało</translation>
    </message>
    <message>
        <source>设备停止接收数据（已发送 %1/%2 帧），连接已关闭</source>
        <translation>łącze przestało przyjmować dane po %1 z %2 ramek; połączenie zamknięto</translation>
    </message>
    <message>
        <source>已停止，没有发送任何数据</source>
        <translation>zatrzymano, zanim cokolwiek wysłano</translation>
    </message>
    <message>
        <source>已停止（已发送 %1/%2 帧）</source>
        <translation>zatrzymano po %1 z %2 ramek</translation>
    </message>
    <message>
        <source>已停止，没有等到设备应答</source>
        <translation>zatrzymano, zanim urządzenie odpowiedziało</translation>
    </message>
    <message>
        <source>设备没有应答版本查询</source>
        <translation>brak odpowiedzi na zapytanie o wersję</translation>
    </message>
    <message>
        <source>下载设计</source>
        <translation>Pobieranie projektu</translation>
    </message>
    <message>
        <source>测试打印</source>
        <translation>Wydruk testowy</translation>
    </message>
    <message>
        <source>设置时钟</source>
        <translation>Ustawienie zegara</translation>
    </message>
    <message>
        <source>发送系统设置</source>
        <translation>Ustawienia systemowe</translation>
    </message>
    <message>
        <source>查询版本</source>
        <translation>Zapytanie o wersję</translation>
    </message>
    <message>
        <source>%1：等待发送…</source>
        <translation>%1: czeka na wysłanie…</translation>
    </message>
    <message>
        <source>%1：已发送 %2/%3 帧</source>
        <translation>%1: wysłano %2 z %3 ramek</translation>
    </message>
    <message>
        <source>%1：等待设备应答…</source>
        <translation>%1: czekanie na odpowiedź urządzenia…</translation>
    </message>
    <message>
        <source>测试票已发送：设备已应答</source>
        <translation>Bilet testowy wysłany: urządzenie odpowiedziało</translation>
    </message>
    <message>
        <source>时钟已设置：设备已应答</source>
        <translation>Zegar ustawiony: urządzenie odpowiedziało</translation>
    </message>
    <message>
        <source>系统设置已发送：设备已应答</source>
        <translation>Ustawienia systemowe wysłane: urządzenie odpowiedziało</translation>
    </message>
    <message>
        <source>设备已应答版本查询</source>
        <translation>Urządzenie odpowiedziało na zapytanie o wersję</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1失败：%2</source>
        <translation>%1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>任务记录(&amp;J)…</source>
        <translation>&amp;Dziennik zadań…</translation>
    </message>
    <message>
        <source>检查发现：</source>
        <translation>Sprawdzenie wykazało:</translation>
    </message>
    <message>
        <source>仍要下载吗？</source>
        <translation>Pobrać mimo to?</translation>
    </message>
    <message>
        <source>无法生成预览：%1</source>
        <translation>Nie można utworzyć podglądu: %1</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>%1 秒内未能连接</source>
        <translation>brak połączenia w ciągu %1 s</translation>
    </message>
</context>
<context>
    <name>TicketStation</name>
    <message>
        <source>操作指南(&amp;G)</source>
        <translation>&amp;Instrukcja obsługi</translation>
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
        <translation>Typ 1</translation>
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
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:26pt;&quot;&gt;Test biletu 8&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;1. Wprowadzenie: test wersji V2.0.x; pobiera najwyżej 6 typów do 16 cm; obrazy przed importem przerób na czarno-białe;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;2. Funkcje: rząd pierwszy: przyciski układu, ostatni wysyła bilety; rząd drugi: znaczniki czasu, numeru i liczby oczekujących (każdy tylko raz), ostatni drukuje test bieżącego biletu.&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:26pt;&quot;&gt;Numer: &lt;/span&gt;&lt;span style=&quot; font-size:18pt; background-color:#e1ddfa;&quot;&gt;0001&lt;/span&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt; &lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-family:&apos;WenQuanYi Micro Hei&apos;; font-size:14pt;&quot;&gt;Oczekuje: &lt;/span&gt;&lt;span style=&quot; font-size:14pt; background-color:#fac3c3;&quot;&gt;02&lt;/span&gt; &lt;/p&gt;
&lt;p align=&quot;center&quot; style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;&quot;&gt;&lt;span style=&quot; font-size:14pt; background-color:#fadbc0;&quot;&gt;02-02-2022 22:22:22&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance; font-family:&apos;WenQuanYi Micro Hei&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>同步系统设置</source>
        <translation>Wyślij ustawienia</translation>
    </message>
    <message>
        <source>同步时间</source>
        <translation>Ustaw zegar</translation>
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
        <translation>Włącz</translation>
    </message>
    <message>
        <source>版本号:--</source>
        <translation>Wersja: --</translation>
    </message>
    <message>
        <source>连接状态:-- </source>
        <translation>Stan: -- </translation>
    </message>
    <message>
        <source>管理机所连的串口，或串口服务器的地址 tcp://主机:端口</source>
        <translation>Port szeregowy automatu biletowego albo adres serwera portów tcp://HOST:PORT</translation>
    </message>
    <message>
        <source>打开或断开与管理机的连接</source>
        <translation>Połącz z automatem biletowym lub rozłącz</translation>
    </message>
    <message>
        <source>管理机的网络号（0–99），随系统设置一起发送</source>
        <translation>Numer sieciowy automatu (0–99), wysyłany z ustawieniami systemu</translation>
    </message>
    <message>
        <source>把网络号、每日清号时间、号码格式、取票间隔和取号限制发送到管理机</source>
        <translation>Wyślij do automatu numer sieciowy, godzinę zerowania numerów, format numeru, odstęp i limity biletów</translation>
    </message>
    <message>
        <source>每日清号时间：管理机每天在这个整点把票号重新从头开始（不是时钟）</source>
        <translation>Codzienne zerowanie numerów: godzina, o której automat co dzień zaczyna numerację od nowa (nie zegar)</translation>
    </message>
    <message>
        <source>把这台电脑的当前日期和时间设为管理机的时钟</source>
        <translation>Ustaw zegar automatu na datę i godzinę tego komputera</translation>
    </message>
    <message>
        <source>票号的打印格式：补零（0001）或不补零（1）</source>
        <translation>Format drukowanego numeru: z zerami (0001) lub bez (1)</translation>
    </message>
    <message>
        <source>两次取票之间管理机至少等待的间隔（0–5）</source>
        <translation>Najmniejszy odstęp, jaki automat zachowuje między dwoma biletami (0–5)</translation>
    </message>
    <message>
        <source>类型1每天最多可取的票数（0–9999）</source>
        <translation>Najwięcej biletów rodzaju 1 dziennie (0–9999)</translation>
    </message>
    <message>
        <source>类型2每天最多可取的票数（0–9999）</source>
        <translation>Najwięcej biletów rodzaju 2 dziennie (0–9999)</translation>
    </message>
    <message>
        <source>类型3每天最多可取的票数（0–9999）</source>
        <translation>Najwięcej biletów rodzaju 3 dziennie (0–9999)</translation>
    </message>
    <message>
        <source>类型6每天最多可取的票数（0–9999）</source>
        <translation>Najwięcej biletów rodzaju 6 dziennie (0–9999)</translation>
    </message>
    <message>
        <source>类型5每天最多可取的票数（0–9999）</source>
        <translation>Najwięcej biletów rodzaju 5 dziennie (0–9999)</translation>
    </message>
    <message>
        <source>类型4每天最多可取的票数（0–9999）</source>
        <translation>Najwięcej biletów rodzaju 4 dziennie (0–9999)</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>格式(&amp;O)</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>插入(&amp;I)</source>
        <translation>W&amp;staw</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>打开(&amp;O)…</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>另存(&amp;A)…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>用作启动设计(&amp;T)</source>
        <translation>Użyj jako projektu s&amp;tartowego</translation>
    </message>
    <message>
        <source>程序启动时打开这个设计</source>
        <translation>Otwieraj ten projekt przy uruchomieniu programu</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>添加类型(&amp;A)</source>
        <translation>&amp;Dodaj typ biletu</translation>
    </message>
    <message>
        <source>删除当前类型(&amp;R)…</source>
        <translation>&amp;Usuń typ biletu…</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>设备(&amp;D)</source>
        <translation>&amp;Urządzenie</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>管理机时钟：</source>
        <translation>Zegar automatu:</translation>
    </message>
    <message>
        <source>页面最大高度：</source>
        <translation>Maksymalna wysokość strony:</translation>
    </message>
    <message>
        <source>每页最多打印的点行数（8 点 = 1 毫米），本机所有设计通用</source>
        <translation>Najwięcej wierszy punktów na stronie (8 punktów = 1 mm), dla wszystkich projektów na tym komputerze</translation>
    </message>
    <message>
        <source> 点</source>
        <translation> pkt</translation>
    </message>
    <message>
        <source>取票设置(&amp;K)</source>
        <translation>&amp;Bilety</translation>
    </message>
    <message>
        <source>网络号：</source>
        <translation>Numer sieciowy:</translation>
    </message>
    <message>
        <source>每日清号时间：</source>
        <translation>Codzienne zerowanie numerów:</translation>
    </message>
    <message>
        <source>号码格式：</source>
        <translation>Format numeru:</translation>
    </message>
    <message>
        <source>取票间隔：</source>
        <translation>Odstęp między biletami:</translation>
    </message>
    <message>
        <source>每种类型每天的取号限制：</source>
        <translation>Dzienne limity numerów dla każdego typu:</translation>
    </message>
    <message>
        <source>勾选时管理机按下面的上限限制每种类型的取票数</source>
        <translation>Gdy zaznaczone, automat ogranicza liczbę biletów każdego typu do wartości poniżej</translation>
    </message>
    <message>
        <source>类型1：</source>
        <translation>Typ 1:</translation>
    </message>
    <message>
        <source>类型2：</source>
        <translation>Typ 2:</translation>
    </message>
    <message>
        <source>类型3：</source>
        <translation>Typ 3:</translation>
    </message>
    <message>
        <source>类型4：</source>
        <translation>Typ 4:</translation>
    </message>
    <message>
        <source>类型5：</source>
        <translation>Typ 5:</translation>
    </message>
    <message>
        <source>类型6：</source>
        <translation>Typ 6:</translation>
    </message>
    <message>
        <source>类型(&amp;T)</source>
        <translation>&amp;Typy biletów</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>停止</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>停止下载 (Esc)</source>
        <translation>Zatrzymaj pobieranie (Esc)</translation>
    </message>
    <message>
        <source>第 %1/%2 帧，剩余约 %3 秒</source>
        <translation>Ramka %1 z %2, pozostało ok. %3 s</translation>
    </message>
    <message>
        <source>等待设备应答…</source>
        <translation>Oczekiwanie na odpowiedź urządzenia…</translation>
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
        <translation>Oznacz jako liczbę oczekujących</translation>
    </message>
    <message>
        <source>标记为时间</source>
        <translation>Oznacz jako czas</translation>
    </message>
    <message>
        <source>下载至管理机</source>
        <translation>Wyślij do automatu biletowego</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>打印测试</source>
        <translation>Wydruk testowy</translation>
    </message>
    <message>
        <source>没有可编辑的页面</source>
        <translation>Brak strony do edycji</translation>
    </message>
    <message>
        <source>图片尺寸 %1×%2 过大</source>
        <translation>Obraz %1×%2 jest za duży</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Otwórz plik...</translation>
    </message>
    <message>
        <source>插入图片</source>
        <translation>Wstaw obraz</translation>
    </message>
    <message>
        <source>无法读取图片文件 %1：
%2</source>
        <translation>Nie można odczytać pliku obrazu %1:
%2</translation>
    </message>
    <message>
        <source>图片 (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
    <message>
        <source>插入二维码或条码</source>
        <translation>Wstaw kod QR lub kod kreskowy</translation>
    </message>
    <message>
        <source>打印时文字不做抗锯齿：笔画边缘落在整点上，小字不会糊成一片。适用于整个设计。</source>
        <translation>Drukuj tekst bez wygładzania: krawędzie znaków wypadają na całych punktach, więc drobny tekst się nie zlewa. Dotyczy całego projektu.</translation>
    </message>
    <message>
        <source>清晰文字</source>
        <translation>Ostry tekst</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>粗体(&amp;B)</source>
        <translation>Pogru&amp;bienie</translation>
    </message>
    <message>
        <source>斜体(&amp;I)</source>
        <translation>Kurs&amp;ywa</translation>
    </message>
    <message>
        <source>下划线(&amp;U)</source>
        <translation>Po&amp;dkreślenie</translation>
    </message>
    <message>
        <source>左对齐(&amp;L)</source>
        <translation>Do &amp;lewej</translation>
    </message>
    <message>
        <source>居中(&amp;E)</source>
        <translation>Do ś&amp;rodka</translation>
    </message>
    <message>
        <source>右对齐(&amp;R)</source>
        <translation>Do pr&amp;awej</translation>
    </message>
    <message>
        <source>两端对齐(&amp;J)</source>
        <translation>Wy&amp;justuj</translation>
    </message>
    <message>
        <source>图片(&amp;P)…</source>
        <translation>&amp;Obraz…</translation>
    </message>
    <message>
        <source>二维码或条码(&amp;C)…</source>
        <translation>&amp;Kod QR lub kreskowy…</translation>
    </message>
    <message>
        <source>票号(&amp;N)</source>
        <translation>&amp;Numer biletu</translation>
    </message>
    <message>
        <source>排队人数(&amp;Q)</source>
        <translation>Liczba o&amp;czekujących</translation>
    </message>
    <message>
        <source>日期时间(&amp;T)</source>
        <translation>&amp;Data i godzina</translation>
    </message>
    <message>
        <source>下载至管理机(&amp;D)</source>
        <translation>&amp;Wyślij do automatu</translation>
    </message>
    <message>
        <source>打印预览(&amp;V)</source>
        <translation>&amp;Podgląd wydruku</translation>
    </message>
    <message>
        <source>打印测试(&amp;P)</source>
        <translation>Wydruk te&amp;stowy</translation>
    </message>
    <message>
        <source>按打印效果显示(&amp;P)</source>
        <translation>Pokaż jak na &amp;wydruku</translation>
    </message>
    <message>
        <source>以管理机打印的点显示页面，标记中填入示例值 (%1)</source>
        <translation>Pokaż stronę jako punkty drukowane przez automat, z przykładowymi wartościami w znacznikach (%1)</translation>
    </message>
    <message>
        <source>插入图片：PNG、BMP、JPEG 等均可，灰度和彩色图片转为黑白，过宽的图片缩放到页宽</source>
        <translation>Wstaw obraz: PNG, BMP, JPEG i inne; obrazy szare i kolorowe są zamieniane na czarno-białe, zbyt szerokie skalowane do strony</translation>
    </message>
    <message>
        <source>标记为票号</source>
        <translation>Oznacz jako numer biletu</translation>
    </message>
</context>
<context>
    <name>TtQTextEdit</name>
    <message>
        <source>管理机无法存储此页</source>
        <translation>Automat nie może zapisać tej strony</translation>
    </message>
</context>
<context>
    <name>ZoomControl</name>
    <message>
        <source>放大(&amp;I)</source>
        <translation>P&amp;owiększ</translation>
    </message>
    <message>
        <source>缩小(&amp;O)</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>实际大小(&amp;A)</source>
        <translation>&amp;Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>页面显示比例（不影响打印）</source>
        <translation>Powiększenie strony (nie zmienia wydruku)</translation>
    </message>
</context>
</TS>
