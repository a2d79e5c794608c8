<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BatteryNotifier</name>
    <message>
        <source>Mouse battery low</source>
        <translation>鼠标电量低</translation>
    </message>
    <message>
        <source>The battery is at %1 % or less. Connect the cable to charge the mouse.</source>
        <translation>电量已降至 %1% 或更低。请连接线缆为鼠标充电。</translation>
    </message>
</context>
<context>
    <name>ButtonFunction</name>
    <message>
        <source>Advance</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老板键</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>禁用按键</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切换</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>连发键</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>功能 %1</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>枪械文件管理</translation>
    </message>
    <message>
        <source>LED SWITCH</source>
        <translation>灯光开关</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>灯光开关</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>配置 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>配置 -</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>配置菜单</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>配置切换</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回报率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>回报率切换</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙击</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Fire: %1 ×%2, %3 ms</source>
        <translation>连发：%1 ×%2，%3 毫秒</translation>
    </message>
    <message>
        <source>Sniper: level %1</source>
        <translation>狙击：%1 档</translation>
    </message>
    <message>
        <source>Gun: %1 ×%2</source>
        <translation>枪械：%1 ×%2</translation>
    </message>
    <message>
        <source>Macro: %1 ×%2</source>
        <translation>宏：%1 ×%2</translation>
    </message>
    <message>
        <source>Gun: %1</source>
        <translation>枪械：%1</translation>
    </message>
    <message>
        <source>Macro: %1</source>
        <translation>宏：%1</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1（缺失）</translation>
    </message>
</context>
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>%1, profile %2</source>
        <translation>%1，配置文件 %2</translation>
    </message>
    <message>
        <source>No configuration file named.</source>
        <translation>未指定配置文件。</translation>
    </message>
    <message>
        <source>%1 is not a regular file; a configuration is only written to a file.</source>
        <translation>%1 不是普通文件；配置只能写入文件。</translation>
    </message>
    <message>
        <source>Cannot write %1: its folder does not exist.</source>
        <translation>无法写入 %1：其文件夹不存在。</translation>
    </message>
    <message>
        <source>Cannot write the configuration file %1.</source>
        <translation>无法写入配置文件 %1。</translation>
    </message>
    <message>
        <source>Cannot read the configuration file %1: it does not exist, is not a regular file or may not be read.</source>
        <translation>无法读取配置文件 %1：文件不存在、不是普通文件或无权读取。</translation>
    </message>
    <message>
        <source>%1 (%2 holds a value that cannot be read)</source>
        <translation>%1（%2 含有无法读取的值）</translation>
    </message>
    <message>
        <source>%1 (%2 is for &quot;%3&quot;, this is &quot;%4&quot;)</source>
        <translation>%1（%2 适用于“%3”，当前为“%4”）</translation>
    </message>
</context>
<context>
    <name>KeyCaptureHints</name>
    <message>
        <source>Press a key to capture; Enter, Esc and Tab count too.</source>
        <translation>按下要捕获的键；Enter、Esc 和 Tab 也算。</translation>
    </message>
    <message>
        <source>Enter: OK, Esc: cancel, Space on the key: new capture</source>
        <translation>Enter 确定，Esc 取消，在按键框按空格重新捕获</translation>
    </message>
    <message>
        <source>Not a key the mouse sends; Space on it: new capture</source>
        <translation>鼠标无法发送此键；在按键框按空格重新捕获</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>%d ms</source>
        <translation>%d 毫秒</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退键</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>弹起</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延迟(毫秒)</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进键</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延迟</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延迟</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>加载宏文件</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标指令</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>向下移动</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>向左移动</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>向右移动</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>向上移动</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>在后面录制</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>录制动作间延迟</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复运行直到再次按下</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住时重复运行</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>松开</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>Mouse button %1</source>
        <translation>鼠标按键 %1</translation>
    </message>
    <message>
        <source>Event %1 %2 %3</source>
        <translation>事件 %1 %2 %3</translation>
    </message>
    <message>
        <source>Event data</source>
        <translation>事件数据</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>加载配置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标已关闭</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>加载配置文件</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>加载配置档案</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>保存配置档案</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>配置文件(*.conf)</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置档案(*.prof)</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>导出配置文件</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>导入配置文件</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>配置文件列表</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>Choose the profile slot</source>
        <translation>选择配置槽位</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Receiver connected</source>
        <translation>接收器已连接</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>正在充电</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Profiles that follow the application in front</source>
        <translation>随前台应用程序切换的配置</translation>
    </message>
</context>
<context>
    <name>RecordGate</name>
    <message>
        <source>%1 is a symbolic link: it is read, but saved as a regular file in the profile folder.</source>
        <translation>%1 是符号链接：可以读取，但会以普通文件形式保存到配置文件目录中。</translation>
    </message>
    <message>
        <source>%1 is missing; the profile starts from the product&apos;s defaults.</source>
        <translation>%1 不存在；配置文件将采用产品默认值。</translation>
    </message>
    <message>
        <source>%1 cannot be read; the profile starts from the product&apos;s defaults.</source>
        <translation>无法读取 %1；配置文件将采用产品默认值。</translation>
    </message>
    <message>
        <source>%1 is damaged; it is kept as %2 and the profile starts from the product&apos;s defaults.</source>
        <translation>%1 已损坏，已保留为 %2；配置文件将采用产品默认值。</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be set aside; the profile starts from the product&apos;s defaults.</source>
        <translation>%1 已损坏且无法另行保留；配置文件将采用产品默认值。</translation>
    </message>
    <message>
        <source>stage %2 enabled %1 is not 0 or 1; %3 used.</source>
        <translation>第 %2 档启用值 %1 不是 0 或 1；改用 %3。</translation>
    </message>
    <message>
        <source>stage %2 link %1 is not 0 or 1; %3 used.</source>
        <translation>第 %2 档联动值 %1 不是 0 或 1；改用 %3。</translation>
    </message>
    <message>
        <source>stage %2 X step %1 is outside the sensor&apos;s %3; %4 used.</source>
        <translation>第 %2 档 X 步进值 %1 超出传感器范围 %3；改用 %4。</translation>
    </message>
    <message>
        <source>stage %2 Y step %1 is outside the sensor&apos;s %3; %4 used.</source>
        <translation>第 %2 档 Y 步进值 %1 超出传感器范围 %3；改用 %4。</translation>
    </message>
    <message>
        <source>stage %1 is linked but Y step %2 differs from X step %3; %3 used.</source>
        <translation>第 %1 档已联动，但 Y 步进值 %2 与 X 步进值 %3 不同；改用 %3。</translation>
    </message>
    <message>
        <source>button slot %2 runs %1 times, outside 1..255; %3 used.</source>
        <translation>按键槽位 %2 的循环次数 %1 超出 1..255；改用 %3。</translation>
    </message>
    <message>
        <source>report rate %1 is not a rate; %2 Hz used.</source>
        <translation>回报率 %1 不是有效值；改用 %2 Hz。</translation>
    </message>
    <message>
        <source>active stage %1 is not one of the %2 stages; stage %3 used.</source>
        <translation>当前档位 %1 不在 %2 个档位之内；改用第 %3 档。</translation>
    </message>
    <message>
        <source>lighting effect %1 is not an effect; effect %2 used.</source>
        <translation>灯光效果 %1 不是有效效果；改用效果 %2。</translation>
    </message>
    <message>
        <source>move to light off %1 is not 0 or 255; %2 used.</source>
        <translation>移动时关灯值 %1 不是 0 或 255；改用 %2。</translation>
    </message>
    <message>
        <source>sleep time %1 is outside %2; %3 used.</source>
        <translation>休眠时间 %1 超出 %2；改用 %3。</translation>
    </message>
    <message>
        <source>scroll speed %1 is outside 1..20; %2 used.</source>
        <translation>滚轮速度 %1 超出 1..20；改用 %2。</translation>
    </message>
    <message>
        <source>active profile index %1 is outside 0..4; %2 used.</source>
        <translation>当前配置文件索引 %1 超出 0..4；改用 %2。</translation>
    </message>
    <message>
        <source>angle snapping %1 is not 0 or 1; %2 used.</source>
        <translation>直线修正 %1 不是 0 或 1；改用 %2。</translation>
    </message>
    <message>
        <source>jitter %1 is not 0 or 1; %2 used.</source>
        <translation>防抖 %1 不是 0 或 1；改用 %2。</translation>
    </message>
    <message>
        <source>sync %1 is not 0 or 1; %2 used.</source>
        <translation>同步 %1 不是 0 或 1；改用 %2。</translation>
    </message>
    <message>
        <source>key response %1 is outside 1..255; %2 used.</source>
        <translation>按键响应 %1 超出 1..255；改用 %2。</translation>
    </message>
    <message>
        <source>lift-off distance %1 is outside %2..2; %3 used.</source>
        <translation>静默高度 %1 超出 %2..2；改用 %3。</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>……另有 %1 条。</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>%1 stays pressed</source>
        <translation>%1 仍被按住</translation>
    </message>
    <message>
        <source>%1 stay pressed</source>
        <translation>%1 仍被按住</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has no file; its button will do nothing.</source>
        <translation>宏“%1”没有文件，其按键将不起作用。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; is too long for the mouse and will be cut after %2 events</source>
        <translation>宏“%1”超出鼠标容量，将在 %2 个事件后截断</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; ends with a key or button pressed; %2.</source>
        <translation>宏“%1”结束时仍有按键被按下；%2。</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The configuration file %1 could not be read. It is kept as %2; the shipped defaults are used instead.</source>
        <translation>无法读取配置文件 %1。已将其保留为 %2，改用随附的默认设置。</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be read and could not be set aside; fix or remove it.</source>
        <translation>无法读取配置文件 %1，也无法将其移开；请修复或删除该文件。</translation>
    </message>
    <message>
        <source>The configuration file %1 was damaged: %2 filled in, everything else kept.</source>
        <translation>配置文件 %1 已损坏：已补全 %2，其余内容保持不变。</translation>
    </message>
    <message>
        <source>The configuration file %1 held values that cannot be read safely; they were dropped, everything else kept.</source>
        <translation>配置文件 %1 含有无法安全读取的值；这些值已被丢弃，其余内容保持不变。</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (no product name, or a profile slot without a name) and could not be repaired; fix or remove it.</source>
        <translation>配置文件 %1 已损坏（缺少产品名称，或某个配置文件位置没有名称），且无法修复；请修复或删除该文件。</translation>
    </message>
    <message>
        <source>Could not create the product folder %1; the profile library is not kept.</source>
        <translation>无法创建产品文件夹 %1；配置文件库将不会保存。</translation>
    </message>
    <message>
        <source>A profile slot of %1 names no valid file; that slot starts from the defaults.</source>
        <translation>%1 中的某个配置文件位置未指向有效文件；该位置将使用默认设置。</translation>
    </message>
    <message>
        <source>Could not write the default profile file %1.</source>
        <translation>无法写入默认配置文件 %1。</translation>
    </message>
    <message>
        <source>Could not create the profile file %1 from the defaults.</source>
        <translation>无法根据默认设置创建配置文件 %1。</translation>
    </message>
</context>
<context>
    <name>TarqAppProfilesDialog</name>
    <message>
        <source>This desktop does not tell programs which window is active.</source>
        <translation>此桌面不向程序告知哪个窗口处于活动状态。</translation>
    </message>
    <message>
        <source>The first rule that names the application in front chooses the profile.</source>
        <translation>第一条与前台应用程序相符的规则决定所用配置。</translation>
    </message>
    <message>
        <source>Click the window of the application. Escape cancels.</source>
        <translation>请点击该应用程序的窗口。按 Esc 取消。</translation>
    </message>
    <message>
        <source>Another program holds the pointer; try again.</source>
        <translation>另一个程序占用了鼠标指针，请重试。</translation>
    </message>
    <message>
        <source>Every rule needs the name of an application.</source>
        <translation>每条规则都需要一个应用程序名称。</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Switch the profile with the application in front</source>
        <translation>随前台应用程序切换配置</translation>
    </message>
    <message>
        <source>When no rule matches</source>
        <translation>无规则相符时</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>The window&apos;s class or instance name, or the program&apos;s file name</source>
        <translation>窗口的类名或实例名，或程序的文件名</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>选取窗口</translation>
    </message>
    <message>
        <source>The next window you click gives its name to the rule</source>
        <translation>下一个点击的窗口将其名称填入规则</translation>
    </message>
    <message>
        <source>Stay on the current profile</source>
        <translation>保持当前配置</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>配置 %1</translation>
    </message>
    <message>
        <source>(no application)</source>
        <translation>（无应用程序）</translation>
    </message>
</context>
<context>
    <name>TarqBtnWindow</name>
    <message>
        <source>Wheel up: %1</source>
        <translation>滚轮向上：%1</translation>
    </message>
    <message>
        <source>Wheel down: %1</source>
        <translation>滚轮向下：%1</translation>
    </message>
    <message>
        <source>Button %1: %2</source>
        <translation>按键 %1：%2</translation>
    </message>
</context>
<context>
    <name>TarqColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>R </source>
        <translation>红 </translation>
    </message>
    <message>
        <source>G </source>
        <translation>绿 </translation>
    </message>
    <message>
        <source>B </source>
        <translation>蓝 </translation>
    </message>
    <message>
        <source>Red preset</source>
        <translation>预设红色</translation>
    </message>
    <message>
        <source>Green preset</source>
        <translation>预设绿色</translation>
    </message>
    <message>
        <source>Blue preset</source>
        <translation>预设蓝色</translation>
    </message>
    <message>
        <source>Cyan preset</source>
        <translation>预设青色</translation>
    </message>
    <message>
        <source>Yellow preset</source>
        <translation>预设黄色</translation>
    </message>
    <message>
        <source>Magenta preset</source>
        <translation>预设品红</translation>
    </message>
    <message>
        <source>White preset</source>
        <translation>预设白色</translation>
    </message>
    <message>
        <source>H </source>
        <translation>H </translation>
    </message>
    <message>
        <source>S </source>
        <translation>S </translation>
    </message>
    <message>
        <source>V </source>
        <translation>V </translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation and value</source>
        <translation>饱和度和明度</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>明度</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Hexadecimal colour</source>
        <translation>十六进制颜色</translation>
    </message>
</context>
<context>
    <name>TarqColorWindow</name>
    <message>
        <source> MINUTE</source>
        <translation type="vanished"> 分钟</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>踏雪无痕</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪无痕</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时关灯</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Sleep time</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message numerus="yes">
        <source>%n MINUTES</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TarqComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TarqDPIWindow</name>
    <message>
        <source>DPI stages</source>
        <translation>DPI 档位</translation>
    </message>
</context>
<context>
    <name>TarqFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次数：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延迟：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TarqGunEditDialog</name>
    <message>
        <source>GUN EDIT</source>
        <translation>枪械编辑</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>向左移动</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>向右移动</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>向上移动</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>向下移动</translation>
    </message>
    <message>
        <source>%d ms</source>
        <translation>%d 毫秒</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进键</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退键</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delay (ms)</source>
        <translation>延迟(毫秒)</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>ADD DELAY</source>
        <translation>添加延迟</translation>
    </message>
</context>
<context>
    <name>TarqGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>枪械文件名</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延迟(毫秒)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>枪械编辑</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>弹道</translation>
    </message>
</context>
<context>
    <name>TarqKeyCaptureDialog</name>
    <message>
        <source>Press a key</source>
        <translation>请按下按键</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>已捕获的按键</translation>
    </message>
    <message>
        <source>Keys the desktop keeps for itself, such as Alt+Tab, cannot be captured here.</source>
        <translation>桌面保留的按键（如 Alt+Tab）无法在此捕获。</translation>
    </message>
</context>
<context>
    <name>TarqMacroSelect</name>
    <message>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>选择枪械文件</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住时重复运行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重复运行直到再次按下</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>宏列表</translation>
    </message>
</context>
<context>
    <name>TarqMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器已断开！</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一个单击功能。</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一个配置文件。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置文件吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置文件吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置文件吗？</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>鼠标处于休眠状态或未连接。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置文件已存在！</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>配置文件已被使用！</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>发送数据失败，请重试。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置文件不能删除或重命名。</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>The profile library already holds 200 profiles. Delete one first.</source>
        <translation>配置文件库中已有 200 个配置文件，请先删除一个。</translation>
    </message>
    <message>
        <source>This profile cannot be deleted: every other profile is shown in another slot.</source>
        <translation>无法删除此配置文件：其他所有配置文件都已在其他槽位中使用。</translation>
    </message>
    <message>
        <source>A profile name must not be empty or contain / \ : or control characters.</source>
        <translation>配置文件名不能为空，也不能包含 / \ : 或控制字符。</translation>
    </message>
    <message>
        <source>The profile file %1 could not be changed. Nothing was changed.</source>
        <translation>无法更改配置文件 %1。未做任何更改。</translation>
    </message>
    <message>
        <source>The profile file %1 cannot be read.</source>
        <translation>无法读取配置文件 %1。</translation>
    </message>
    <message>
        <source>The profile could not be saved to %1.</source>
        <translation>无法将配置文件保存到 %1。</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否要升级固件？</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>如需更新固件，请使用数据线将鼠标连接到电脑。</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左键不能设置为枪械功能。</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>无法创建更多宏！</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键尚未松开。</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
    <message>
        <source>The mouse has the new settings, but they could not be saved to %1.</source>
        <translation>鼠标已获得新设置，但无法保存到 %1。</translation>
    </message>
    <message>
        <source>The delay must be 10 to 1000 ms.</source>
        <translation>延迟须为 10 至 1000 毫秒。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has changes that are not saved. Save them now?</source>
        <translation>宏“%1”有未保存的更改。现在保存吗？</translation>
    </message>
    <message>
        <source>A button holds at most %1 events: this macro has no room for more.</source>
        <translation>一个按键最多容纳 %1 个事件：此宏已无空间。</translation>
    </message>
    <message>
        <source>Tick the macros to export first.</source>
        <translation>请先勾选要导出的宏。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>This name cannot be used for a file: leave out / \ : and control characters.</source>
        <translation>此名称不能用作文件名：请勿使用 / \ : 和控制字符。</translation>
    </message>
    <message>
        <source>This macro is no longer in the library.</source>
        <translation>此宏已不在宏库中。</translation>
    </message>
    <message>
        <source>The macro file could not be written. Check that the disk has room and that the folder may be written to.</source>
        <translation>无法写入宏文件。请检查磁盘空间以及文件夹是否可写。</translation>
    </message>
    <message>
        <source>This file holds no macro.</source>
        <translation>此文件不包含宏。</translation>
    </message>
    <message>
        <source>This macro has not been saved yet.</source>
        <translation>此宏尚未保存。</translation>
    </message>
    <message>
        <source>The firmware updater %1 is missing.</source>
        <translation>找不到固件升级程序 %1。</translation>
    </message>
    <message>
        <source>The firmware updater %1 could not be started.</source>
        <translation>无法启动固件升级程序 %1。</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>无法将设置保存到 %1。</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>仍要发送吗？</translation>
    </message>
    <message>
        <source>The macro file could not be removed, so the macro stays in the library. Check that the folder may be written to.</source>
        <translation>无法删除宏文件，因此该宏仍保留在宏库中。请检查文件夹是否可写。</translation>
    </message>
    <message>
        <source>Send the changes to the mouse first?</source>
        <translation>先把更改发送到鼠标吗？</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The file of this macro holds more events than a button can: only its first %1 are shown.</source>
        <translation>此宏文件包含的事件多于一个按键能容纳的数量：只显示前 %1 个。</translation>
    </message>
    <message>
        <source>Still pressed at the end: %1</source>
        <translation>结束时仍按下：%1</translation>
    </message>
    <message>
        <source>This macro is too long for a button, which holds at most %1 events without delay rows and %2 with them.</source>
        <translation>此宏对按键来说太长：不含延时行时最多 %1 个事件，含延时行时最多 %2 个。</translation>
    </message>
    <message>
        <source>Delete the macro &quot;%1&quot;?</source>
        <translation>删除宏“%1”吗？</translation>
    </message>
    <message>
        <source>Button %1 of %2 uses it.</source>
        <translation>%2 的按键 %1 使用了它。</translation>
    </message>
    <message>
        <source>%1 could not be written: its buttons still name the macro as before.</source>
        <translation>无法写入 %1：其按键仍使用原来的宏名称。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Config.ini could not be written.</source>
        <translation>无法写入 Config.ini。</translation>
    </message>
</context>
<context>
    <name>TarqPointSpeed</name>
    <message>
        <source>1mm</source>
        <translation>1毫米</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2毫米</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>直线修正</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>启用同步</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>按键响应</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>静默高度</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
</context>
<context>
    <name>TarqReportRate</name>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 毫米</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 毫米</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>静默高度</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>回报率</translation>
    </message>
</context>
<context>
    <name>TarqSingleDPI</name>
    <message>
        <source>DPI : %d</source>
        <translation>DPI : %d</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 联动</translation>
    </message>
    <message>
        <source>X:%d</source>
        <translation>X:%d</translation>
    </message>
    <message>
        <source>Y:%d</source>
        <translation>Y:%d</translation>
    </message>
    <message>
        <source>Stage %1 link X and Y</source>
        <translation>第 %1 档 XY 联动</translation>
    </message>
    <message>
        <source>Stage %1 enabled</source>
        <translation>第 %1 档启用</translation>
    </message>
    <message>
        <source>Stage %1 active</source>
        <translation>第 %1 档当前</translation>
    </message>
    <message>
        <source>Stage %1 X resolution</source>
        <translation>第 %1 档 X 分辨率</translation>
    </message>
    <message>
        <source>Stage %1 Y resolution</source>
        <translation>第 %1 档 Y 分辨率</translation>
    </message>
    <message>
        <source>Stage %1 resolution</source>
        <translation>第 %1 档分辨率</translation>
    </message>
    <message>
        <source>Stage %1 X DPI</source>
        <translation>第 %1 档 X DPI</translation>
    </message>
    <message>
        <source>Stage %1 Y DPI</source>
        <translation>第 %1 档 Y DPI</translation>
    </message>
    <message>
        <source>Stage %1 DPI</source>
        <translation>第 %1 档 DPI</translation>
    </message>
</context>
<context>
    <name>TarqSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TarqSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙击设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Sniper level</source>
        <translation>狙击档位</translation>
    </message>
</context>
</TS>
