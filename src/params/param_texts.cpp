#include "params/param_texts.h"

const TextPair kTxtOpModeNotWithDynamic = {
    "ACHTUNG! \n\nBei POWER MODE = DYNAMIC ist OPERATING MODE = DIFFERENTIATOR oder DELTA CH0 INTEGRATOR \n"
    "nicht moeglich. OPERATING MODE wird auf NORMAL gesetzt.",
    "ATTENTION! \n\nOPERATING MODE = DIFFERENTIATOR or DELTA CH0 INTEGRATOR is not \n"
    "possible when POWER MODE = DYNAMIC. \nOPERATING MODE is set to NORMAL."};

const TextPair kTxtGainCombinationHead = {
    "ACHTUNG! \n\nWenn VST1234, VST5678, VST1357 oder VST2468 gewaehlt ist, \n"
    "dann koennen IN0 und IN1 nicht anderweitig genutzt werden. \n\n",
    "ATTENTION! \n\nIf AMP1234, AMP5678, AMP1357 or AMP2468 is selected, \n"
    "IN0 and IN1 can not be used for anything else. \n\n"};

const TextPair kTxtGainAnaRangeFull = {"ANALOGBEREICH wird auf VOLL gesetzt.\n",
                                       "ANALOG RANGE will be set to FULL.\n"};
const TextPair kTxtGainAnaOutCont = {"ANALOGAUSGANG wird auf KONT gesetzt.\n",
                                     "ANALOG OUT will be set to CONT.\n"};
const TextPair kTxtGainExtTeachOff = {"EXTERN TEACH wird auf AUS gesetzt.\n",
                                      "EXTERN TEACH will be set to OFF.\n"};
const TextPair kTxtGainDigOutDirect = {"DIGITALE AUSGABE wird auf DIREKT gesetzt.\n",
                                       "DIGITAL OUTMODE will be set to DIRECT.\n"};
const TextPair kTxtGainDigOutInverse = {"DIGITALE AUSGABE wird auf INVERS gesetzt.\n",
                                        "DIGITAL OUTMODE will be set to INVERSE.\n"};
const TextPair kTxtGainPowerModeStatic = {"POWER MODUS wird auf STATISCH gesetzt.\n",
                                          "POWER MODE will be set to STATIC.\n"};

const TextPair kTxtExtTeachDynNotWithLedOff = {
    "ACHTUNG! \n\nEXTERN TEACH = DYN ist nicht \nmoeglich wenn LED MODUS = AUS. \nEXTERN TEACH wird auf AUS "
    "gesetzt.",
    "ATTENTION! \n\nEXTERN TEACH = DYN is not \npossible when LED MODE = OFF. \nEXTERN TEACH is set to OFF."};

const TextPair kTxtAssignOffsetConfirm = {
    "Stellen Sie sicher, dass dem Sensor die zu kompensierende Oberflaeche vorliegt! \n\n"
    "Wenn Sie die Eigenreflektion einer Optik kompensieren moechten, dann lassen Sie diese ins Leere "
    "schauen. \n\n"
    "Sollte der Sensor schon mit einem Offset arbeiten ist dieser erst zu nullen. \n"
    "Dies ist nicht notwendig, wenn KANAL OFFSET zuvor AUS war. \n\n"
    "Druecken Sie SEND um den Sensor zu aktualisieren.",
    "Make sure that the sensor has the surface which should be compensated! \n\n"
    "If you want to compensate the self-reflection of an optic, then let it look into nothing. \n\n"
    "If the sensor already works with an offset, it must first be set to zero. \n"
    "This is not necessary if CHANNEL OFFSET was previously OFF. \n\n"
    "Press SEND to update the sensor."};

const TextPair kTxtNoFileSelected = {"Keine Datei ausgewaehlt! \nAktion wird nicht ausgefuehrt!",
                                     "No file was selected! \nProcess will not be done!"};
const TextPair kTxtNotAParameterFile = {
    "Gewaehlte Datei ist keine Parameter-Datei! \nTrotzdem fortfahren?",
    "Selected file is not a parameter file! \nDo you want to proceed anyway?"};
const TextPair kTxtScopeVersionMismatch = {
    "Gewaehlte Datei und Scope-Version stimmen nicht ueberein! \nTrotzdem fortfahren?",
    "Selected file and scope version do not match! \nDo you want to proceed anyway?"};
const TextPair kTxtNoParameterRead = {"Keine Parameter eingelesen!", "No parameter were read!"};
const TextPair kTxtMissingKeysHead = {
    "Folgende Parameter konnten nicht eingelesen werden \nund wurden auf Voreinstellung gesetzt:\n\n",
    "Following parameter could not be read \nand were set to default value:\n\n"};
const TextPair kTxtParameterFileNotSaved = {"Parameter-Datei konnte nicht gespeichert werden! \n%s",
                                            "Parameter file could not be saved! \n%s"};
