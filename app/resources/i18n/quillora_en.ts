<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;About Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Settings will take full effect on the next application startup</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Mobile phone detection</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(connection with mobile phone lost)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Connection with mobile phone has been lost !
Plug it back and retry...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formats supported by this %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>All supported formats</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Graphic Files</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animations</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Sound Files</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCards</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendars</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>All Files</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Reading file...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Opening session...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Sending title...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Sending file data...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Waiting for acknowledgment...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Closing session...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Requesting file...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Receiving file data...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Sending file data in compressed format...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Stopping transfert... Please wait</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Deleting objects...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Send/Receive</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Send only</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Transferring to mobile phone...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Transferring from mobile phone...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Deleting...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Save object as...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|All Files|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Received photo preview (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Retrieving list...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Please select the directory the %1!d! selected files should be saved in:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>My Pictures</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>My Sounds</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>My Animations</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>The object is too big for the mobile phone (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobile phone doesn't support that kind of object (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobile phone doesn't support the format of this object (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>No file has been stored on this mobile phone !</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! KB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1 File</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Ask</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Always</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Checking this port</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Port unavailable on this machine or disabled by BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Another program is currently using this port. Please close it first</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Unable to access this port. Try to restart your computer</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>This port doesn't seem to be an external port of your PC</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>No cable found on this port</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>A DATA cable has been detected, but no mobile phone is connected</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Incompatible cable detected. Use a DATA cable provided by %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>The cable connected to this port couldn't be recognized. Check your connections</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>A connected DATA cable has been detected</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>No answer from mobile phone. Try shutting down and restarting it</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem found at %1!d! bps</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>You must put a SIM card in your mobile or start it.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Unable to identify the modem</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>The mobile is SIM locked or waiting for the PIN or Phone code.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>A modem "%2" has been identified</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Connected device is not a compatible mobile phone</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Mobile phone "%2" found !</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Unlimited</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Up to %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Black &amp; White only</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-bits color</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progressive encoding</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Lossless mode</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vector graphic</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 supported</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 unsupported</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Single track</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Up to %1 tracks</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frequency range: %1-%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bits - %2 - %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>%1!d! minutes left</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>%1!d! seconds left</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! bytes received out of %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>An error %1!d! has occured</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Unable to open file "%2"</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>File "%2" is empty !</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Unable to read file "%2" !</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>This mobile phone doesn't support object downloading</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Mobile phone replied with an unexpected reply</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Unable to create file "%2"</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Unable to access communication port</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Data received from mobile phone are invalid</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>The mobile phone has notified an error.
The selected file might not exist anymore</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>The mobile phone didn't understand the request. Try again...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>The mobile phone does not answer anymore. Please check that it is correctly connected.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Download error, datas have been lost.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Receive...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatic detection of mobile phone...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(plug your mobile phone now if not already done)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Mobile phone type:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>on port:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Send...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>speed:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Possible transfers:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Show Help file</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Use of Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Show this screen at startup</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Language: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>List of available objects</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Retrieve...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Delete...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Select &amp;all</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Rotate the image clockwise</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Rotates the image counter-clockwise</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Flip the image horizontally</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Flip the image vertically</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Reduce the image to greyscale (cannot be undone)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Create a WAV/PCM version of AMR sounds:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Create a WAV/PCM version of A&amp;DPCM sounds:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Disable buttons sounds</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Confirm file replace</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>&amp;All</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Skip</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Rename</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Confirm object delete</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Are you sure you want to delete '%1'?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Do you really want to delete these %1 items?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>&amp;Do not ask this question anymore</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Preparing transfert...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Object formats supported by this mobile</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Pictures (Wallpapers or Caller group icons)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animations (Screensavers)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Sounds (Melodies)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Limitations</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - Unexpected error</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>An unexpected error has occured !</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>In: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> line </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Value: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Please contact the author</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Press Ctrl-C to copy this information)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;unknown application&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>source</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Unable to open hyperlink:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>The operating system is out
of memory or resources.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>The specified file was not found.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>The specified path was not found.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>The operating system denied
access to the specified file.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>There was not enough memory to complete the operation.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>The executable file is invalid
(unsupported format or damaged file).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>A sharing violation occurred. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>The filename association is
incomplete or invalid.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>The DDE transaction could not
be completed because the request timed out.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>The DDE transaction failed.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>The DDE transaction could not
be completed because other DDE transactions
were being processed.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>There is no application associated
with the given filename extension.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>The specified dynamic-link library was not found.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Unknown Error (%d) occurred.</translation>
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
        <translation>&amp;Language:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>jpegtran was not found: install the libjpeg-turbo-progs package</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>The picture %1 could not be replaced by its transformed copy:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>To send once a phone is found: %1</translation>
    </message>
</context>
</TS>
