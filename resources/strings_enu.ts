<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message>
        <source>101</source>
        <translation>About Quillbox...</translation>
    </message>
    <message>
        <source>102</source>
        <translation>Information...</translation>
    </message>
    <message>
        <source>103</source>
        <translation>The network socket library could not be initialised.
Quillbox cannot be started.</translation>
    </message>
    <message>
        <source>11001</source>
        <translation>The settings file qbx_man.ini cannot be read.
Please open the settings, choose the interface and save it with OK.</translation>
    </message>
    <message>
        <source>11002</source>
        <translation>The interface is not available.
Serial port: the port does not exist on this PC.
TCP/IP: the bootloader cannot be reached at this address (time-out or host unreachable).</translation>
    </message>
    <message>
        <source>11003</source>
        <translation>Access to the interface was denied.
Serial port: the port is in use by another program.
TCP/IP: the bootloader refused the connection (check the port number).</translation>
    </message>
    <message>
        <source>11004</source>
        <translation>The interface cannot be opened (system error %d).</translation>
    </message>
    <message>
        <source>11005</source>
        <translation>The interface setting is invalid.
Please choose a serial port (COM1 to COM6) or TCP/IP in the settings.</translation>
    </message>
    <message>
        <source>11006</source>
        <translation>The bootloader is not in transfer mode (0xC0).
Switch the bootloader to transfer mode now?</translation>
    </message>
    <message>
        <source>11007</source>
        <translation>The bootloader does not answer, or its answer is incomplete.
Check the cable, the power supply of the bootloader and the interface setting.</translation>
    </message>
    <message>
        <source>11008</source>
        <translation>The bootloader refused to switch its operating mode.</translation>
    </message>
    <message>
        <source>11009</source>
        <translation>The bootloader is in operating mode 0x80, not in transfer mode (0xC0).
Data transfers are not possible in this mode.</translation>
    </message>
    <message>
        <source>11010</source>
        <translation>The bootloader is in an unknown operating mode, not in transfer mode (0xC0).</translation>
    </message>
    <message>
        <source>11011</source>
        <translation>The bootloader does not answer the query of its operating mode.</translation>
    </message>
    <message>
        <source>11012</source>
        <translation>Communication with the bootloader failed.
Check the connection and the power supply of the bootloader and try again.</translation>
    </message>
    <message>
        <source>11013</source>
        <translation>The connected device (type 0x%02X) is not a supported bootloader.</translation>
    </message>
    <message>
        <source>11014</source>
        <translation>The bootloader firmware version %s is too old for this program.
Required: version 2.6 or later for serial bootloaders, 1.28 or later for the LINKBOX.
Please update the bootloader firmware.</translation>
    </message>
    <message>
        <source>11015</source>
        <translation>The data could not be sent to the bootloader completely.</translation>
    </message>
    <message>
        <source>11016</source>
        <translation>Sending data to the bootloader failed.</translation>
    </message>
    <message>
        <source>11017</source>
        <translation>The bootloader did not acknowledge the data sent (no answer).</translation>
    </message>
    <message>
        <source>11018</source>
        <translation>Transmission error: the data were repeatedly received incorrectly (checksum or acknowledgement error).
Check the cable and the connection.</translation>
    </message>
    <message>
        <source>11019</source>
        <translation>The data received from the bootloader are incomplete (checksum missing).</translation>
    </message>
    <message>
        <source>11020</source>
        <translation>The acknowledgement could not be sent to the bootloader.</translation>
    </message>
    <message>
        <source>11021</source>
        <translation>The bootloader refused the request.</translation>
    </message>
    <message>
        <source>11022</source>
        <translation>The bootloader reports error %d.
The transfer was stopped.</translation>
    </message>
    <message>
        <source>11023</source>
        <translation>The bootloader reports an unknown error.
The transfer was stopped.</translation>
    </message>
    <message>
        <source>11024</source>
        <translation>Unexpected reply from the bootloader.
The transfer was stopped.</translation>
    </message>
    <message>
        <source>11025</source>
        <translation>The file %s cannot be saved.
Check that the folder exists, that you may write to it and that the file is not write-protected.</translation>
    </message>
    <message>
        <source>11026</source>
        <translation>Function-data files must have the extension .dat.
Please choose another file name for this slot.</translation>
    </message>
    <message>
        <source>11027</source>
        <translation>The file is not a function-data file.</translation>
    </message>
    <message>
        <source>11030</source>
        <translation>The file %s is chosen for slot %d and for slot %d.
Please choose a different file for each slot.</translation>
    </message>
    <message>
        <source>11031</source>
        <translation>The file cannot be opened.
Check that it exists and that you may read it.</translation>
    </message>
    <message>
        <source>11032</source>
        <translation>The file cannot be written.
Check that the folder exists, that you may write to it and that the file is not write-protected.</translation>
    </message>
    <message>
        <source>11033</source>
        <translation>The file is not a bootloader firmware file (unknown file identifier).</translation>
    </message>
    <message>
        <source>11036</source>
        <translation>Please choose a welcome-page file or tick the standard welcome page.</translation>
    </message>
    <message>
        <source>11037</source>
        <translation>Please choose a program file.</translation>
    </message>
    <message>
        <source>11038</source>
        <translation>Welcome-page files must have the extension .bgs.</translation>
    </message>
    <message>
        <source>11039</source>
        <translation>Program files must have the extension .prg.</translation>
    </message>
    <message>
        <source>11040</source>
        <translation>Bootloader firmware files must have the extension .frm.</translation>
    </message>
    <message>
        <source>11041</source>
        <translation>The file is not a valid program file (unknown file identifier or header).</translation>
    </message>
    <message>
        <source>11042</source>
        <translation>The bootloader is in transfer mode (0xC0) and ready for data transfers.</translation>
    </message>
    <message>
        <source>11043</source>
        <translation>The file %s for slot %d already exists.
Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>11044</source>
        <translation>The file %s cannot be opened, or its content is not valid.</translation>
    </message>
    <message>
        <source>11045</source>
        <translation>The file %s already exists.
Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>11046</source>
        <translation>The bootloader reports no firmware version (update state).
Its settings cannot be read. Please update the bootloader firmware first.</translation>
    </message>
    <message>
        <source>11047</source>
        <translation>The firmware file does not fit the connected bootloader.
Choose a firmware file for this kind of bootloader (serial bootloader or LINKBOX).</translation>
    </message>
    <message>
        <source>11048</source>
        <translation>Only HTML pages (.html) and GIF pictures (.gif) can be uploaded.</translation>
    </message>
    <message>
        <source>11049</source>
        <translation>The file is too large.
A web page or picture may have at most %d bytes.</translation>
    </message>
    <message>
        <source>11050</source>
        <translation>The connected bootloader is not a LINKBOX.
Web pages can only be uploaded into a LINKBOX network bootloader.</translation>
    </message>
    <message>
        <source>11051</source>
        <translation>The file is not a valid function-data file for this function (damaged file or wrong device type).</translation>
    </message>
    <message>
        <source>11052</source>
        <translation>The bootloader slot could not be emptied.</translation>
    </message>
    <message>
        <source>11053</source>
        <translation>The data format is not supported (unknown header or file-format version).</translation>
    </message>
    <message>
        <source>11054</source>
        <translation>The connected bootloader is not a LINKBOX.
Bootloader data can only be read from or written to a LINKBOX network bootloader.</translation>
    </message>
    <message>
        <source>11400</source>
        <translation>The serial ports COM1 to COM6 are searched for an ORMAND bootloader.</translation>
    </message>
    <message>
        <source>11401</source>
        <translation>N.A. = not available (port missing, or no connection)</translation>
    </message>
    <message>
        <source>11402</source>
        <translation>C.N.A. = no access (port in use, or connection refused); E.N. = error with system error number</translation>
    </message>
    <message>
        <source>11403</source>
        <translation>O.K. = interface free, but no ORMAND bootloader answered</translation>
    </message>
    <message>
        <source>11404</source>
        <translation>B.V. = ORMAND bootloader found (type and version shown); B.V.U. = ORMAND bootloader in update state</translation>
    </message>
    <message>
        <source>11405</source>
        <translation>The serial ports COM1 to COM6 are searched for a Bravolt bootloader.</translation>
    </message>
    <message>
        <source>11406</source>
        <translation>N.A. = not available (port missing, or no connection)</translation>
    </message>
    <message>
        <source>11407</source>
        <translation>C.N.A. = no access (port in use, or connection refused); E.N. = error with system error number</translation>
    </message>
    <message>
        <source>11408</source>
        <translation>O.K. = interface free, but no Bravolt bootloader answered</translation>
    </message>
    <message>
        <source>11409</source>
        <translation>B.V. = Bravolt bootloader found (type and version shown); B.V.U. = Bravolt bootloader in update state</translation>
    </message>
    <message>
        <source>11410</source>
        <translation>Use port</translation>
    </message>
    <message>
        <source>11411</source>
        <translation>Search again</translation>
    </message>
    <message>
        <source>11412</source>
        <translation>testing...</translation>
    </message>
    <message>
        <source>11413</source>
        <translation>Searching for a bootloader, please wait...</translation>
    </message>
    <message>
        <source>11414</source>
        <translation>Search finished.</translation>
    </message>
    <message>
        <source>11415</source>
        <translation>A bootloader has answered.</translation>
    </message>
    <message>
        <source>11416</source>
        <translation>No bootloader found.
Check the cable, the power supply and the interface settings.</translation>
    </message>
    <message>
        <source>11450</source>
        <translation>Quillbox Suite - ORMAND edition

Service program for ORMAND heating controllers (Ormand Control) and the devices on their data bus.

Functions: upload and download of function data, operating-system update, bootloader firmware update, welcome pages, web pages for the LINKBOX, bootloader settings.

Connection: a serial bootloader on COM1 to COM6 (115200 baud), or the LINKBOX network bootloader over TCP/IP (default address 192.168.0.1, port 40000).

ORMAND
Internet: ormand.test</translation>
    </message>
    <message>
        <source>11451</source>
        <translation>Quillbox Suite

Service program for the QRT5130 heating controller and the devices on its data bus (BUS_VIEWER, BUS_PORTA, BUS_PORTB, BUS_GATE, BUS_METER).

Functions: upload and download of function data, operating-system update, bootloader firmware update, welcome pages, web pages for the LINKBOX, bootloader settings.

Connection: a serial bootloader on COM1 to COM6 (115200 baud), or the LINKBOX network bootloader over TCP/IP (default address 192.168.0.1, port 40000).

Bravolt
Internet: bravolt.test</translation>
    </message>
    <message>
        <source>11500</source>
        <translation>Connecting to the bootloader...</translation>
    </message>
    <message>
        <source>11501</source>
        <translation>Switching the operating mode of the bootloader...</translation>
    </message>
    <message>
        <source>11502</source>
        <translation>Starting the transfer...</translation>
    </message>
    <message>
        <source>11503</source>
        <translation>Receiving data...</translation>
    </message>
    <message>
        <source>11504</source>
        <translation>Sending data...</translation>
    </message>
    <message>
        <source>11505</source>
        <translation>All data received.</translation>
    </message>
    <message>
        <source>11506</source>
        <translation>Transfer finished successfully.</translation>
    </message>
    <message>
        <source>11507</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>11508</source>
        <translation>Source file</translation>
    </message>
    <message>
        <source>11509</source>
        <translation>Target file</translation>
    </message>
    <message>
        <source>11600</source>
        <translation>Operating system (Ormand Control):</translation>
    </message>
    <message>
        <source>11601</source>
        <translation>Default: subfolder Betriebssystem_OC of the program folder</translation>
    </message>
    <message>
        <source>11602</source>
        <translation>Operating system (QRT5130):</translation>
    </message>
    <message>
        <source>11603</source>
        <translation>Default: subfolder Betriebssystem_QRT5130 of the program folder</translation>
    </message>
    <message>
        <source>11650</source>
        <translation>Standard welcome page (ORMAND)</translation>
    </message>
    <message>
        <source>11651</source>
        <translation>Welcome page of the Ormand Control</translation>
    </message>
    <message>
        <source>11653</source>
        <translation>Standard welcome page (BRAVOLT)</translation>
    </message>
    <message>
        <source>11654</source>
        <translation>Welcome page of the QRT5130</translation>
    </message>
    <message>
        <source>11660</source>
        <translation>Function data (*.dat);;All files (*)</translation>
    </message>
    <message>
        <source>11661</source>
        <translation>LINKBOX bootloader data (*.dat);;All files (*)</translation>
    </message>
    <message>
        <source>11662</source>
        <translation>Program files (*.prg);;All files (*)</translation>
    </message>
    <message>
        <source>11663</source>
        <translation>Bootloader firmware (*.frm);;All files (*)</translation>
    </message>
    <message>
        <source>11664</source>
        <translation>Welcome pages (*.bgs);;All files (*)</translation>
    </message>
    <message>
        <source>11665</source>
        <translation>Web pages and pictures (*.html *.gif);;HTML pages (*.html);;GIF pictures (*.gif);;All files (*)</translation>
    </message>
    <message>
        <source>11670</source>
        <translation>Web page upload to the LINKBOX</translation>
    </message>
    <message>
        <source>11680</source>
        <translation>Write bootloader data to the LINKBOX</translation>
    </message>
    <message>
        <source>11681</source>
        <translation>Read bootloader data from the LINKBOX</translation>
    </message>
    <message>
        <source>11930</source>
        <translation>The interface cannot be opened (system error %d).
COM%d is %s, which is not a serial port.
Please check which device QUILLBOX_COM%d or ports.ini names for this port.</translation>
    </message>
    <message>
        <source>11960</source>
        <translation>The interface is not available.
Serial port: COM%d is %s, which does not exist on this PC.
Please check that the adapter is plugged in and which device QUILLBOX_COM%d or ports.ini names for this port.</translation>
    </message>
    <message>
        <source>11961</source>
        <translation>the USB adapter of %s holds every reply back for its latency timer of %d ms; at 16 ms a transfer takes about four times as long as at 1 ms; set it to 1 ms as the README's section USB serial adapters shows</translation>
    </message>
    <message>
        <source>11900</source>
        <translation>The settings cannot be saved in %s.
Check that the file is not write-protected and that you may write to its folder.</translation>
    </message>
    <message>
        <source>11901</source>
        <translation>The language cannot be saved in %s; the next start keeps the current language.
Check that the file is not write-protected and that you may write to its folder.</translation>
    </message>
    <message>
        <source>11902</source>
        <translation>The session log cannot be written to %s (system error %d).
Check the file name and that you may write to its folder.</translation>
    </message>
    <message>
        <source>11903</source>
        <translation>Session log…</translation>
    </message>
    <message>
        <source>11904</source>
        <translation>Stop session log</translation>
    </message>
    <message>
        <source>11905</source>
        <translation>Session logs (*.log);;All files (*)</translation>
    </message>
    <message>
        <source>11911</source>
        <translation>in use by %s (PID %d)</translation>
    </message>
    <message>
        <source>11912</source>
        <translation>in use by %s (PID %d, lock file %s)</translation>
    </message>
    <message>
        <source>11913</source>
        <translation>in use by another program that cannot be identified</translation>
    </message>
    <message>
        <source>11914</source>
        <translation>no permission: the user must be a member of the group %s (then log in again)</translation>
    </message>
    <message>
        <source>11915</source>
        <translation>no permission to open %s</translation>
    </message>
    <message>
        <source>11916</source>
        <translation>%s does not exist; serial devices present: %s (assign one to COM%d in ports.ini)</translation>
    </message>
    <message>
        <source>11917</source>
        <translation>%s is not a serial device</translation>
    </message>
    <message>
        <source>11918</source>
        <translation>no permission: only the owner of %s (%s) or the administrator may open it; ask the administrator for access</translation>
    </message>
    <message>
        <source>11940</source>
        <translation>The boot sector of the program file is too large (BS_SIZE = %X hexadecimal; at most 1000000 hexadecimal, 16 MiB).
The file is damaged or not meant for this device; the update was not started.</translation>
    </message>
    <message>
        <source>11941</source>
        <translation>The records of the file are not in ascending address order: the record at %06X hexadecimal holds data for addresses the bootloader has already received, so the device would keep them empty.
Sort the file by address (for example with srec_cat) and start again. The transfer was stopped.</translation>
    </message>
    <message>
        <source>11942</source>
        <translation>The file ends before the data the bootloader asked for at %06X hexadecimal. The file is incomplete or not meant for this device.
The transfer was stopped.</translation>
    </message>
    <message>
        <source>11943</source>
        <translation>The record of the file at %06X hexadecimal crosses the edge of the block the bootloader asked for at %06X hexadecimal, so its data cannot be sent. The file is damaged or not meant for this device.
The transfer was stopped.</translation>
    </message>
    <message>
        <source>11944</source>
        <translation>The bootloader asked for a block of %d bytes; a block of an update file holds 1 to 64 bytes.
The transfer was stopped.</translation>
    </message>
    <message>
        <source>11945</source>
        <translation>The welcome page %s cannot be opened, so the operating system would be written without it.
Choose a welcome page that exists; the update was not started.</translation>
    </message>
    <message>
        <source>11950</source>
        <translation>Verification failed: slot %d differs from the file at address %04X.</translation>
    </message>
    <message>
        <source>11951</source>
        <translation>Verification failed: the LINKBOX data differ from the file at address %04X.</translation>
    </message>
    <message>
        <source>11952</source>
        <translation>Verification failed: the header the device keeps differs from the one written.</translation>
    </message>
    <message>
        <source>11970</source>
        <translation>Set the link with "qbx settings set interface=COM1..COM6|tcp address=HOST port=N", or give it for this run only with --port COMn|PATH or --tcp HOST[:PORT].</translation>
    </message>
    <message>
        <source>11971</source>
        <translation>The file %s cannot be written.</translation>
    </message>
    <message>
        <source>11972</source>
        <translation>Interrupted: storage slot %d was not completely written and holds no valid data. The bootloader stays in place; upload the file again.</translation>
    </message>
    <message>
        <source>11973</source>
        <translation>Interrupted: nothing was saved and the device is unchanged; your files are as they were.</translation>
    </message>
    <message>
        <source>11974</source>
        <translation>Interrupted: the operating system was not completely written; the device has no working program until an update runs to the end. The bootloader stays in place; start the update again.</translation>
    </message>
    <message>
        <source>11975</source>
        <translation>Interrupted: the bootloader firmware was not completely written. The bootloader stays in place; start the update again.</translation>
    </message>
    <message>
        <source>11976</source>
        <translation>Interrupted: the web page was not completely written into the LINKBOX. The bootloader stays in place; upload the page again.</translation>
    </message>
    <message>
        <source>11977</source>
        <translation>Interrupted: the LINKBOX's data image was not completely written. The bootloader stays in place; write the data image again.</translation>
    </message>
    <message>
        <source>12000</source>
        <translation>Empty storage slot %d of the bootloader?
It holds "%s"; these data will be lost.</translation>
    </message>
    <message>
        <source>12001</source>
        <translation>Replace the bootloader data of the LINKBOX?
It currently holds "%s"; these data will be lost.</translation>
    </message>
    <message>
        <source>12002</source>
        <translation>Slot %d: %s – written, not read back for checking</translation>
    </message>
    <message>
        <source>12003</source>
        <translation>Slot %d: %s – written, read back and identical to the file</translation>
    </message>
    <message>
        <source>12004</source>
        <translation>Slot %d: %s – received and saved</translation>
    </message>
    <message>
        <source>12005</source>
        <translation>Slot %d: %s – failed</translation>
    </message>
    <message>
        <source>12006</source>
        <translation>Slot %d: %s – not started after the failure</translation>
    </message>
    <message>
        <source>12007</source>
        <translation>Transfer stopped after an error</translation>
    </message>
    <message>
        <source>12008</source>
        <translation>"%s" is not a valid address: each of its four parts must be a number from 0 to 255.</translation>
    </message>
    <message>
        <source>12009</source>
        <translation>%d is outside what this field can hold; it now shows the nearest possible value, %d.
Press OK to write this value.</translation>
    </message>
    <message>
        <source>12019</source>
        <translation>File: %s</translation>
    </message>
    <message>
        <source>12010</source>
        <translation>Choose the function data for slot %d</translation>
    </message>
    <message>
        <source>12011</source>
        <translation>Save slot %d as</translation>
    </message>
    <message>
        <source>12012</source>
        <translation>Choose the data file to write into the LINKBOX</translation>
    </message>
    <message>
        <source>12013</source>
        <translation>Save the LINKBOX data as</translation>
    </message>
    <message>
        <source>12014</source>
        <translation>Choose the program file of the operating system</translation>
    </message>
    <message>
        <source>12015</source>
        <translation>Choose a welcome page</translation>
    </message>
    <message>
        <source>12016</source>
        <translation>Save the welcome page as</translation>
    </message>
    <message>
        <source>12017</source>
        <translation>Choose the bootloader firmware file</translation>
    </message>
    <message>
        <source>12018</source>
        <translation>Choose the web page or picture for the LINKBOX</translation>
    </message>
    <message>
        <source>12020</source>
        <translation>Save the session log as</translation>
    </message>
    <message>
        <source>12021</source>
        <translation>The device cannot show %s; it shows a blank in its place.</translation>
    </message>
    <message>
        <source>12022</source>
        <translation>Version %s</translation>
    </message>
    <message>
        <source>12023</source>
        <translation>This computer has no serial port %s.</translation>
    </message>
    <message>
        <source>12024</source>
        <translation>For TCP/IP only: choose TCP/IP above.</translation>
    </message>
    <message>
        <source>12025</source>
        <translation>Choose the file to check</translation>
    </message>
    <message>
        <source>11906</source>
        <translation>The file %s already exists.
Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>11910</source>
        <translation>The path is too long: %d bytes. The program can keep paths of at most %d bytes (letters such as ä, é or ß take two). Please choose a shorter path.</translation>
    </message>
    <message>
        <source>11920</source>
        <translation>Please enter a whole number.</translation>
    </message>
    <message>
        <source>11921</source>
        <translation>Please enter a whole number without a sign (0 or more).</translation>
    </message>
    <message>
        <source>12100</source>
        <translation>Check file…</translation>
    </message>
    <message>
        <source>12102</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>12103</source>
        <translation>fault</translation>
    </message>
    <message>
        <source>12104</source>
        <translation>program image</translation>
    </message>
    <message>
        <source>12105</source>
        <translation>boot-sector image</translation>
    </message>
    <message>
        <source>12106</source>
        <translation>Files checked: %d, sound: %d, would fail or lose data: %d.</translation>
    </message>
    <message>
        <source>12107</source>
        <translation>The check does not know this kind of file; it checks .dat, .prg, .frm, .bgs, .html and .gif files.</translation>
    </message>
    <message>
        <source>12108</source>
        <translation>Files of the program (*.dat *.prg *.frm *.bgs *.html *.gif);;All files (*)</translation>
    </message>
    <message>
        <source>12110</source>
        <translation>Single-image program file %s for %s (device code %02X); the device is told %X hexadecimal bytes and asks for them in blocks of 64.</translation>
    </message>
    <message>
        <source>12111</source>
        <translation>Firmware file %s for the bootloader family %02X; its header gives %X hexadecimal bytes, which the check asks for in blocks of 64.</translation>
    </message>
    <message>
        <source>12112</source>
        <translation>Two-image program file for %s (device code %02X), PROGRAM %s, BOOTSECTOR %s; DATA_SIZE %X and BS_SIZE %X hexadecimal.</translation>
    </message>
    <message>
        <source>12113</source>
        <translation>The device table does not know DEVICE "%s": the bootloader is told device code 00 and decides for itself.</translation>
    </message>
    <message>
        <source>12114</source>
        <translation>Data from %06X to %06X.</translation>
    </message>
    <message>
        <source>12115</source>
        <translation>No data from %06X to %06X: the device keeps these %d bytes erased (FF).</translation>
    </message>
    <message>
        <source>12116</source>
        <translation>Extended segment address %04X (type 02): the records after it are placed from %06X on.</translation>
    </message>
    <message>
        <source>12117</source>
        <translation>Extended linear address %04X (type 04): the records after it are placed from %06X on.</translation>
    </message>
    <message>
        <source>12118</source>
        <translation>The record at %06X has the checksum %02X, but its bytes call for %02X. The transfer does not check it and sends the bytes as they stand.</translation>
    </message>
    <message>
        <source>12119</source>
        <translation>The record at %06X has no checksum. The transfer does not need one and sends its bytes as they stand.</translation>
    </message>
    <message>
        <source>12120</source>
        <translation>Data from %06X to %06X lie beyond the %X hexadecimal bytes the device asks for: they never reach the device.</translation>
    </message>
    <message>
        <source>12121</source>
        <translation>The first %X hexadecimal bytes of the program image are kept and sent again in this image from %06X to %06X, wherever it has no data of its own.</translation>
    </message>
    <message>
        <source>12122</source>
        <translation>The boot-sector window ends at %06X, beyond DATA_SIZE %X: the device never asks for the last %d bytes of the boot sector.</translation>
    </message>
    <message>
        <source>12123</source>
        <translation>The welcome page %s goes into the start-up text; the device will show: "%s"</translation>
    </message>
    <message>
        <source>12124</source>
        <translation>The welcome page %s does not go into this file: only BRAVOLT_PROGRAM_FILE files and two-image files for QRT5130 take one.</translation>
    </message>
    <message>
        <source>12125</source>
        <translation>%s: the device's character set has no %s (position %d); the upload sends the byte as it stands, and the device shows a blank in its place.</translation>
    </message>
    <message>
        <source>12126</source>
        <translation>%d further records have a checksum that does not match.</translation>
    </message>
    <message>
        <source>12127</source>
        <translation>Slot description: the character %s at position %d becomes a blank on the device.</translation>
    </message>
    <message>
        <source>12128</source>
        <translation>Welcome page: the character %s at position %d becomes a blank on the device.</translation>
    </message>
    <message>
        <source>12129</source>
        <translation>This image has data of its own from %06X to %06X inside the window; there they are sent instead of the kept bytes.</translation>
    </message>
    <message>
        <source>12130</source>
        <translation>Function data, file format %d, device code %02X (%s), %d data bytes.</translation>
    </message>
    <message>
        <source>12131</source>
        <translation>The device stores FIRMWARE "%s", BOOTSECTOR "%s" and the description "%s".</translation>
    </message>
    <message>
        <source>12132</source>
        <translation>After the upload the slot list shows it as "N: %s (%d bytes)".</translation>
    </message>
    <message>
        <source>12133</source>
        <translation>A file of the LINKBOX's own data (device code A3): qbx bootdata write and the bootloader data dialog take it.</translation>
    </message>
    <message>
        <source>12134</source>
        <translation>%s "%s" is longer than the %d characters the device keeps: it stores "%s".</translation>
    </message>
    <message>
        <source>12135</source>
        <translation>The header gives no size, so the check cannot tell how far the bootloader will ask; its records are not walked.</translation>
    </message>
    <message>
        <source>12136</source>
        <translation>The file name "%s" is longer than the %d characters of the slot description: the device stores "%s".</translation>
    </message>
    <message>
        <source>12140</source>
        <translation>Welcome page of %d bytes; the device will show: "%s"</translation>
    </message>
    <message>
        <source>12141</source>
        <translation>The file has %d bytes; a welcome page has 88 (four lines of 22 characters). An OS update writes its first 88 bytes as they stand, line ends included.</translation>
    </message>
    <message>
        <source>12145</source>
        <translation>Web page: %s file of %d bytes; the LINKBOX takes at most %d.</translation>
    </message>
    <message>
        <source>12146</source>
        <translation>The file does not begin like a GIF picture (GIF87a or GIF89a); the LINKBOX would serve it as one all the same.</translation>
    </message>
</context>
<context>
    <name>Dialog100</name>
    <message>
        <source>About Quillbox Suite</source>
        <translation>About Quillbox Suite</translation>
    </message>
    <message>
        <source>Quillbox Suite</source>
        <translation>Quillbox Suite</translation>
    </message>
    <message>
        <source>Service tool for programmable heating controllers: function data, welcome pages, operating systems, bootloader firmware and LINKBOX web pages.</source>
        <translation>Service tool for programmable heating controllers: function data, welcome pages, operating systems, bootloader firmware and LINKBOX web pages.</translation>
    </message>
    <message>
        <source>Open the home page</source>
        <translation>Open the home page</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dialog102</name>
    <message>
        <source>Quillbox Suite</source>
        <translation>Quillbox Suite</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quillbox Suite&lt;/b&gt; — service tool for QRT5130 controllers and their bus devices</source>
        <translation>&lt;b&gt;Quillbox Suite&lt;/b&gt; — service tool for QRT5130 controllers and their bus devices</translation>
    </message>
    <message>
        <source>Function data</source>
        <translation>Function data</translation>
    </message>
    <message>
        <source>Upload function data to the bootloader...</source>
        <translation>Upload function data to the bootloader...</translation>
    </message>
    <message>
        <source>Download function data from the bootloader...</source>
        <translation>Download function data from the bootloader...</translation>
    </message>
    <message>
        <source>Operating systems and firmware</source>
        <translation>Operating systems and firmware</translation>
    </message>
    <message>
        <source>Update controller or bus device operating system...</source>
        <translation>Update controller or bus device operating system...</translation>
    </message>
    <message>
        <source>Update bootloader firmware...</source>
        <translation>Update bootloader firmware...</translation>
    </message>
    <message>
        <source>LINKBOX</source>
        <translation>LINKBOX</translation>
    </message>
    <message>
        <source>Write bootloader data...</source>
        <translation>Write bootloader data...</translation>
    </message>
    <message>
        <source>Read bootloader data...</source>
        <translation>Read bootloader data...</translation>
    </message>
    <message>
        <source>Upload web pages...</source>
        <translation>Upload web pages...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Dialog148</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dialog163</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Language of the program (takes effect at the next start)</source>
        <translation>Language of the program (takes effect at the next start)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dialog132</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Serial interface</source>
        <translation>Serial interface</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>TCP/IP (LINKBOX)</source>
        <translation>TCP/IP (LINKBOX)</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Check TCP connection...</source>
        <translation>Check TCP connection...</translation>
    </message>
    <message>
        <source>Bootloader and program</source>
        <translation>Bootloader and program</translation>
    </message>
    <message>
        <source>Search serial ports...</source>
        <translation>Search serial ports...</translation>
    </message>
    <message>
        <source>Switch bootloader mode...</source>
        <translation>Switch bootloader mode...</translation>
    </message>
    <message>
        <source>Bootloader settings...</source>
        <translation>Bootloader settings...</translation>
    </message>
    <message>
        <source>Working folders...</source>
        <translation>Working folders...</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Language...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dialog156</name>
    <message>
        <source>Working folders</source>
        <translation>Working folders</translation>
    </message>
    <message>
        <source>Function data to upload:</source>
        <translation>Function data to upload:</translation>
    </message>
    <message>
        <source>Function data downloaded:</source>
        <translation>Function data downloaded:</translation>
    </message>
    <message>
        <source>Bootloader firmware:</source>
        <translation>Bootloader firmware:</translation>
    </message>
    <message>
        <source>Welcome pages:</source>
        <translation>Welcome pages:</translation>
    </message>
    <message>
        <source>Own folder</source>
        <translation>Own folder</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dialog133</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Uploading function data</source>
        <translation>Uploading function data</translation>
    </message>
</context>
<context>
    <name>Dialog134</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message>
        <source>Downloading function data</source>
        <translation>Downloading function data</translation>
    </message>
</context>
<context>
    <name>Dialog153</name>
    <message>
        <source>Bootloader holds</source>
        <translation>Bootloader holds</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Empty slot</source>
        <translation>Empty slot</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Upload function data: choose the files</source>
        <translation>Upload function data: choose the files</translation>
    </message>
    <message>
        <source>Welcome page...</source>
        <translation>Welcome page...</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verify after writing</translation>
    </message>
</context>
<context>
    <name>Dialog157</name>
    <message>
        <source>Bootloader holds</source>
        <translation>Bootloader holds</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Download function data: choose where to save</source>
        <translation>Download function data: choose where to save</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
</context>
<context>
    <name>Dialog253</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Display settings</source>
        <translation>Display settings</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Line 1:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Line 2:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Line 3:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Line 4:</translation>
    </message>
    <message>
        <source>Load page file...</source>
        <translation>Load page file...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Own welcome page</source>
        <translation>Own welcome page</translation>
    </message>
    <message>
        <source>Save page file...</source>
        <translation>Save page file...</translation>
    </message>
    <message>
        <source>Setting A:</source>
        <translation>Setting A:</translation>
    </message>
    <message>
        <source>Setting B:</source>
        <translation>Setting B:</translation>
    </message>
    <message>
        <source>Setting C:</source>
        <translation>Setting C:</translation>
    </message>
    <message>
        <source>Setting D:</source>
        <translation>Setting D:</translation>
    </message>
    <message>
        <source>Welcome page</source>
        <translation>Welcome page</translation>
    </message>
</context>
<context>
    <name>Dialog130</name>
    <message>
        <source>Operating system update</source>
        <translation>Operating system update</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Dialog147</name>
    <message>
        <source>Bootloader firmware update</source>
        <translation>Bootloader firmware update</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Dialog254</name>
    <message>
        <source>Web page upload</source>
        <translation>Web page upload</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Dialog160</name>
    <message>
        <source>Prepare the operating system update</source>
        <translation>Prepare the operating system update</translation>
    </message>
    <message>
        <source>Welcome-page file:</source>
        <translation>Welcome-page file:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel editing</source>
        <translation>Cancel editing</translation>
    </message>
    <message>
        <source>Program file</source>
        <translation>Program file</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dialog144</name>
    <message>
        <source>Search serial ports</source>
        <translation>Search serial ports</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Serial ports</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Dialog167</name>
    <message>
        <source>TCP/IP status</source>
        <translation>TCP/IP status</translation>
    </message>
    <message>
        <source>TCP/IP connection</source>
        <translation>TCP/IP connection</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Dialog255</name>
    <message>
        <source>Bootloader data</source>
        <translation>Bootloader data</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Dialog166</name>
    <message>
        <source>Bootloader settings</source>
        <translation>Bootloader settings</translation>
    </message>
    <message>
        <source>Bootloader configuration:</source>
        <translation>Bootloader configuration:</translation>
    </message>
    <message>
        <source>Configuration 1</source>
        <translation>Configuration 1</translation>
    </message>
    <message>
        <source>Configuration 2</source>
        <translation>Configuration 2</translation>
    </message>
    <message>
        <source>Configuration 3</source>
        <translation>Configuration 3</translation>
    </message>
    <message>
        <source>Configuration 4</source>
        <translation>Configuration 4</translation>
    </message>
    <message>
        <source>Configuration 5</source>
        <translation>Configuration 5</translation>
    </message>
    <message>
        <source>Configuration 6</source>
        <translation>Configuration 6</translation>
    </message>
    <message>
        <source>Configuration 7</source>
        <translation>Configuration 7</translation>
    </message>
    <message>
        <source>Configuration 8</source>
        <translation>Configuration 8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dialog168</name>
    <message>
        <source>LINKBOX network settings</source>
        <translation>LINKBOX network settings</translation>
    </message>
    <message>
        <source>Bootloader configuration:</source>
        <translation>Bootloader configuration:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Parameter byte (0 to 255):</source>
        <translation>Parameter byte (0 to 255):</translation>
    </message>
    <message>
        <source>Parameter word 1 (0 to 65535):</source>
        <translation>Parameter word 1 (0 to 65535):</translation>
    </message>
    <message>
        <source>Parameter word 2 (0 to 65535):</source>
        <translation>Parameter word 2 (0 to 65535):</translation>
    </message>
    <message>
        <source>Configuration 1</source>
        <translation>Configuration 1</translation>
    </message>
    <message>
        <source>Configuration 2</source>
        <translation>Configuration 2</translation>
    </message>
    <message>
        <source>Configuration 3</source>
        <translation>Configuration 3</translation>
    </message>
    <message>
        <source>Configuration 4</source>
        <translation>Configuration 4</translation>
    </message>
    <message>
        <source>Configuration 5</source>
        <translation>Configuration 5</translation>
    </message>
    <message>
        <source>Configuration 6</source>
        <translation>Configuration 6</translation>
    </message>
    <message>
        <source>Configuration 7</source>
        <translation>Configuration 7</translation>
    </message>
    <message>
        <source>Configuration 8</source>
        <translation>Configuration 8</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dialog170</name>
    <message>
        <source>File check</source>
        <translation>File check</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
