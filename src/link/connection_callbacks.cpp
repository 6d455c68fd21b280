// Callbacks of the connection page's controls; the connection work fills in their
// behaviour.
#include "ui/callbacks.h"

int CBF_EditCommunicationProtocol(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_ButtonFindComPorts(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_EditSelectComPort(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_EditSelectBaudrate(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_ButtonChangeBaudrate(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_StringIpAdress(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_StringPortNumber(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_ButtonTryToConnect(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_ButtonDisconnect(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_ButtonAccept(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_EditID(int, int, int, void *, int, int)
{
    return 0;
}
