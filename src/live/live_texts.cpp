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
const TextPair kHelpButtonPause = {
    "Haelt die Diagramme und den Graph an, damit Sie sie in Ruhe betrachten koennen. Datenaustausch und "
    "Aufzeichnung laufen weiter: jeder Frame wird aufgezeichnet und in den Zahlen angezeigt. \nErneut "
    "klicken "
    "zeigt die neuesten Werte. \nZoomen oder Verschieben eines Diagramms haelt es ebenfalls an.",
    "Holds the charts and the graph so that you can look at them. Data transfer and recording go on: every "
    "frame is recorded and shown in the numbers. \nPress again to show the newest values. \nZooming or "
    "moving a chart holds it too."};
const TextPair kHelpDispChartStatistics = {
    "Zeigt Anzahl, Minimum, Maximum, Mittelwert und Standardabweichung der sichtbaren Werte. \nMausrad ueber "
    "dem Diagramm: X-Achse zoomen, mit <Umschalt> die Y-Achse. \nMittlere Maustaste ziehen: Ansicht "
    "verschieben.",
    "Shows the number, minimum, maximum, mean and standard deviation of the values in view. \nMouse wheel "
    "over "
    "the chart: zoom the X axis, with <Shift> the Y axis. \nDrag with the middle mouse button: move the "
    "view."};
const TextPair kHelpDispRecordingSource = {"Zeigt die Rekorder-Datei, deren Zeilen der Graph zeigt.",
                                           "Shows the record file whose rows the graph shows."};
const TextPair kHelpButtonOpenRecording = {
    "Oeffnet eine Rekorder-Datei und zeigt alle ihre Zeilen im Graph. \n<Esc> oder ABBRECHEN beendet das "
    "Lesen. \nEine neue Aufzeichnung zeigt wieder die laufenden Werte.",
    "Opens a record file and shows all its rows in the graph. \n<Esc> or CANCEL stops the reading. \nA new "
    "recording shows the running values again."};
const TextPair kHelpButtonCancelReading = {"Beendet das Lesen der Rekorder-Datei. \nTaste: <Esc>.",
                                           "Stops reading the record file. \nShortcut Key: <Esc>."};

const TextPair kTxtChartStatistics = {
    "%s: n = %d   Min = %.6g   Max = %.6g   Mittelwert = %.2f   Std.-Abw. = %.2f",
    "%s: n = %d   min = %.6g   max = %.6g   mean = %.2f   std. dev. = %.2f"};
const TextPair kTxtNoSamplesInView = {"%s: keine Werte im Bild", "%s: no values in view"};

const TextPair kTxtOpenRecTitle = {"Aufzeichnung oeffnen!", "Open recording!"};
const TextPair kTxtRecStopFirst = {"Bitte zuerst Datenaustausch und Aufzeichnung stoppen!",
                                   "Please stop the data transfer and the recording first!"};
const TextPair kTxtRecReading = {"Lese %s: %lld %% (Esc bricht ab)", "Reading %s: %lld %% (Esc cancels)"};
const TextPair kTxtRecReadCancelled = {"Lesen abgebrochen.", "Reading cancelled."};
const TextPair kTxtRecOpenFailed = {"%s konnte nicht geoeffnet werden!", "%s could not be opened!"};
const TextPair kTxtRecNotRecordFile = {
    "%s ist keine Rekorder-Datei! \nZeile %lld passt nicht zum Kopf einer Rekorder-Datei.",
    "%s is not a record file! \nLine %lld does not fit the header of a record file."};
const TextPair kTxtRecDamagedRow = {
    "Zeile %lld von %s ist beschaedigt! \nDie %llu Zeilen davor werden angezeigt.",
    "Line %lld of %s is damaged! \nThe %llu rows before it are shown."};
const TextPair kTxtRecReadFailed = {
    "%s konnte nicht bis zum Ende gelesen werden! \nDie %llu Zeilen davor werden angezeigt.",
    "%s could not be read to its end! \nThe %llu rows before are shown."};
const TextPair kTxtRecSource = {"%s: %llu Zeilen, %s bis %s", "%s: %llu rows, %s to %s"};
const TextPair kTxtRecSourceEmpty = {"%s: keine Zeilen", "%s: no rows"};
