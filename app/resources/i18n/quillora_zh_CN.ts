<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>关于 Quillora(&amp;A)...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>设置将在下次启动程序后完全生效</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>手机检测</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>（与手机的连接已断开）</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>与手机的连接已断开！
请重新连接手机后重试...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>此 %1 支持的格式</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>所有支持的格式</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>图片文件</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>动画</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>声音文件</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCard 名片</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendar 日程</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>正在读取文件...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>正在打开会话...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>正在发送标题...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>正在发送文件数据...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>正在等待确认...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>正在关闭会话...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>正在请求文件...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>正在接收文件数据...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>正在以压缩格式发送文件数据...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>正在停止传输...请稍候</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>大多数 Linux 播放器不直接支持这种声音格式（%1）。
Quillora 也可以另外创建一份 WAV/PCM 格式的副本（随处都能播放）。
要进行转换吗？</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>传输出错！
手机没有正确接收全部数据。
这可能是因为连接线不支持硬件流控制。
要以较低的速度重新传输吗？
（这样也许能解决问题）</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>正在删除项目...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>发送/接收</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>仅发送</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>本工具可以将项目从电脑传输到 %1 手机。
您可以向手机发送图片、动画和声音，也可以获取手机中保存的项目。

本工具由 %2 提供，不附带任何担保。请只传输您有权使用的项目。</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>正在传输到手机...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>正在从手机传输...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>正在删除...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>项目另存为...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|所有文件|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>收到的照片预览（%dx%d）</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>正在获取列表...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>请选择用于保存所选 %1!d! 个文件的文件夹：</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>您选择的文件格式 Quillora 无法识别，
因此您的手机很可能也不支持。
请换一个文件试试，或者修改此文件的扩展名。</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>我的图片</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>我的声音</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>我的动画</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>手机在处理时遇到意外错误（错误 %1!d!）。
请尝试将手机关机后再开机。</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>该项目太大，手机无法存放（错误 %1!d!）</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>手机不支持此类项目（错误 %1!d!）</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>手机不支持此项目的格式（错误 %1!d!）</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>在手机上找不到此项目，可能已被删除（错误 %1!d!）。</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>手机在同步时遇到意外错误（错误 %1!d!）。
请重试，或将手机关机后再开机。</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>这部手机中没有存储任何文件！</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! KB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1 文件</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>询问</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>总是</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>正在检查此端口</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>此电脑上没有该端口，或该端口已在 BIOS 中禁用。</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>另一个程序正在使用此端口。请先关闭该程序</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>无法访问此端口。请尝试重启电脑</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>此端口似乎不是电脑的外部端口</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>此端口上未发现连接线</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>检测到数据线，但没有连接手机</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>检测到不兼容的连接线。请使用 %3 提供的数据线</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>无法识别连接到此端口的连接线。请检查连接</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>检测到已连接的数据线</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>手机没有响应。请尝试将手机关机后重新开机</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>找到调制解调器（%1!d! bps）</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>请在手机中插入 SIM 卡，或将手机开机。</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>无法识别调制解调器</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>手机已被 SIM 锁定，或正在等待输入 PIN 码或手机密码。</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>已识别调制解调器“%2”</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>连接的设备不是兼容的手机</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>找到手机“%2”！</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>在端口 %1 上找到一部“%2”手机，
但它不支持下载项目</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>在端口 %1 上找到一部手机，
但它已被 SIM 锁定。
请在手机上输入 SIM 锁密码。</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>在端口 %1 上找到一部手机，
但尚未输入手机密码。
请在手机上输入手机密码。</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>在端口 %1 上找到一部手机，
但尚未输入 PIN 码。
请在手机上输入 PIN 码。</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>在端口 %1 上找到一部手机，
但它似乎没有开机，或没有插入 SIM 卡。</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>无限制</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>最大 %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>仅限黑白</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1 位色彩</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>渐进式编码</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>无损模式</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>矢量图形</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>支持%1</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>不支持%1</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>单音</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>最多 %1 和弦</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>频率范围：%1-%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 位 - %2 - %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>剩余 %1!d! 分钟</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>剩余 %1!d! 秒</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>已接收 %1!d! / %2!d! 字节</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>发生错误 %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>无法打开文件“%2”</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>文件“%2”为空！</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>无法读取文件“%2”！</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>此手机不支持下载项目</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>手机返回了意外的应答</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>手机内存不足，无法存储这么大的项目。
您可以选择较小的项目，或从手机中删除一些项目。</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>无法创建文件“%2”</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>无法访问通信端口</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>从手机接收的数据无效</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>手机报告了一个错误。
所选文件可能已不存在</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>手机无法理解该请求。请重试...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>手机已无响应。请检查手机是否已正确连接。</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>下载出错，数据已丢失。</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>接收(&amp;R)...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>正在自动检测手机...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>（如果尚未连接手机，请现在连接）</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>手机型号：</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>端口：</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>发送(&amp;S)...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>速度：</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>可进行的传输：</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>设置(&amp;T)</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>显示帮助文件</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Quillora 使用说明</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>启动时显示此窗口(&amp;S)</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>语言： </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>可用项目列表</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>获取(&amp;R)...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>删除(&amp;D)...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>顺时针旋转图片</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>逆时针旋转图片</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>水平翻转图片</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>垂直翻转图片</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>将图片转为灰度（无法撤销）</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>为 AMR 声音创建 WAV/PCM 版本(&amp;C)：</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>为 ADPCM 声音创建 WAV/PCM 版本(&amp;D)：</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>禁用按钮音效</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>确认替换文件</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>跳过(&amp;S)</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>此文件夹中已有名为“%1”的文件。
要用手机中的文件替换现有文件吗？</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>确认删除项目</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>确定要删除“%1”吗？</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>确定要删除这 %1 个项目吗？</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>不再询问此问题(&amp;D)</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>正在准备传输...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>此手机支持的项目格式</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>图片（壁纸或来电群组图标）</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>动画（屏幕保护）</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>声音（铃声）</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>尺寸</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>限制</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - 意外错误</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>发生意外错误！</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>位置： </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> 行 </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>值： </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>请联系作者</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>（按 Ctrl+C 复制此信息）</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;未知应用程序&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>源文件</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>无法打开超链接：

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统内存
或资源不足。</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝
访问指定的文件。</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成操作。</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>可执行文件无效
（格式不受支持或文件已损坏）。</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。 </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件名关联
不完整或无效。</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE 事务无法完成，
因为请求超时。</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE 事务无法完成，
因为正在处理其他
DDE 事务。</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与该文件扩展名
关联的应用程序。</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>发生未知错误（%d）。</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d bps</translation>
    </message>
    <message id="main.usb">
        <source> USB</source>
        <translation> USB</translation>
    </message>
    <message id="progress.counter">
        <source>(%d/%d)</source>
        <extracomment>%d, %d = number of the current object and number of objects</extracomment>
        <translation>(%d/%d)</translation>
    </message>
    <message id="dlg154.1057">
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>找不到 jpegtran：请安装 libjpeg-turbo-progs 软件包</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>无法用变换后的副本替换图片 %1：
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>找到手机后将发送：%1</translation>
    </message>
</context>
</TS>
