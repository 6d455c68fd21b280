#include "live/live_texts.h"

const TextPair kHelpButtonGo = {"Startet Datenaustausch zwischen Sensor und PC. \n\nFunktionstaste: F11",
                                "Starts data transfer from sensor to PC. \n\nShortcut Key: F11."};
const TextPair kHelpButtonStop = {"Stoppt Datenaustausch zwischen Sensor und PC. \n\nFunktionstaste: F12",
                                  "Stops data transfer from sensor to PC. \n\nShortcut Key: F12."};
const TextPair kHelpTabDataP = {"Waehlen Sie eine Registerkarte.", "Select TAB-window."};
const TextPair kHelpDispCha = {"Zeigt die am Empgaenger detektierte Intensitaet an.",
                               "Shows the intensity detected on the receiver."};
const TextPair kHelpDispRefCh0 = {
    "Zeigt den Referenzwert von CH0 an bei \nBETRIEBSART = DELTA CH0 INTEGRATOR.",
    "Displays the reference value of CH0 when\nOPERATRING MODE = DELTA CH0 INTEGRATOR."};
const TextPair kHelpDispSig = {"Zeigt das aus dem Analogkanal \nberechnete Signal (dunkelgelbe Linie).",
                               "Displays the intensity of the \nevaluation signal (dark yellow line)."};
const TextPair kHelpDispRefSig = {
    "Zeigt den Referenzwert zur zur Kalkulation der Schaltschwelle an (blaue Linie).",
    "Displays the reference value for \nswitching threshold calculation (blue line)."};
const TextPair kHelpDispTemp = {"Zeigt momentane Temperatur im Sensor an. \nNicht Grad Celsius!",
                                "Displays actual temperature in the sensor. \nNot in degree Celsius!"};
const TextPair kHelpDispMaxMin = {"Zeigt den Minimal- und Maximalwert \nwaehrend IN0 high ist an.",
                                  "Displays the maximum and minimum \ndetected value while IN0."};
const TextPair kHelpDispAnaOut = {"Zeigt den Wert des Analogausgangs an.",
                                  "Displays the analog output value."};
const TextPair kHelpLedOut = {
    "Zeigt den Status des Ausgangs an. \nLED AUS (schwarz): Ausgang ist 0V. \nLED AN (orange): Ausgang ist "
    "+24V.",
    "Displays the status of the output. \nLed OFF (black): Output is 0V. \nLed ON (orange): Output is +24V."};
const TextPair kHelpLedIn = {
    "Zeigt den Status des Eingangs an. \nLED AUS (schwarz): Ausgang ist 0V. \nLED AN (gruen): Ausgang ist "
    "+24V.",
    "Displays the status of the input. \nLed OFF (black): Input is 0V. \nLed ON (green): Input is +24V."};
const TextPair kHelpGraphAnaCha = {"Zeigt die am Empgaenger detektierte Intensitaet an.",
                                   "Displays the intensity of the analog channel."};
const TextPair kHelpGraphEvalSig = {
    "Zeigt das aus dem Analogkanal \nberechnete Signal (dunkelgelbe Linie). \n\nZeigt zusaetzlich den "
    "Referenzwert zur Kalkulation der Schaltschwelle (blaue gestrichelte Linie), \ndie Schaltschwelle (rote "
    "Linie) und die Schalthysterese (schwarz gestrichelte Linie) an, wenn DIGITALE AUSWERTUNG aktiv ist. "
    "\n\nDoppelklick linke Maustaste auf die Y-Achse startet einen Auto-Zoom. \nLinksklick skaliert die "
    "Y-Achse fest.",
    "Displays the intensity of the evaluation signal (dark yellow line). \n\nDisplays also the reference "
    "value for switching threshold calculation (blue dashed line), \nthe switching threshold (red line) and "
    "the switching hysteresis (black dashed line) if \nDIGITAL OUTMOE is enable. \n\nLeft mouse double click "
    "on the Y-AXIS starts an auto zoom. \nLeft mouse click scales the Y-AXIS fix."};
const TextPair kHelpButtonShowGraph = {"Wechselt zu einer graphischen Ansicht fuer jedes Signal.",
                                       "Switch to a graphical display for each signal."};
const TextPair kHelpEditSignal = {"Signal das im Graph angezeigt werden soll auswaehlen.",
                                  "Select Signal to be displayed in the graph."};
const TextPair kHelpPanelGraphGraph = {"Zeigt das ausgewaehlte Signal an.",
                                       "Displays the signal selected with SIGNAL."};
