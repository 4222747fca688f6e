<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>QtSerialLink</name>
    <message>
        <source>&quot;%1&quot; is no IPv6 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an IPv6 address goes in brackets, as in tcp://[fd00::20]:4001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host or the port is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build of the programmer cannot reach modems on the network: %1 is not available. Use a serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a network port: %2. Write it as tcp://HOST:PORT, as in tcp://192.168.1.20:4001.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from %1 within %2 s. Check the address, the network and that the server is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to %1: %2. Check that the server is on and takes connections on that port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was lost</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>Invalid line settings &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not send to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host of %1 is not known (%2). Check the name and the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port %1 does not exist. Check that the adapter is plugged in and that the port name is right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port %1 is in use by another program. Close that program, or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not use the port %1. Your user must be in the group that owns the device, usually dialout: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not use the port %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
