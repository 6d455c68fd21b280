#include "params/param_help_texts.h"

// OPERATING MODE
const TextPair kHelpOperatingMode = {"Betriebsart des Sensors waehlen. \n"
                                     "\n"
                                     "NORMAL: Das Eingangssignal wird erfasst wie es ist. \n"
                                     "DIFFERENZIERER: Das Eingangssignal wird differentiell erfasst. \n"
                                     "DELTA CH0 INTEGRATOR: SIG = DELTA von CH0 zu REF VAL CH0 + 2048.",
                                     "Select the operating mode of the sensor. \n"
                                     "\n"
                                     "NORMAL: The input signal is detected as it is. \n"
                                     "DIFFERENTIATOR: The input signal is detected differentially. \n"
                                     "DELTA CH0 INTEGRATOR: SIG = DELTA from CH0 to REF VAL CH0 + 2048."};

// SENSITIVITY
const TextPair kHelpSensitivity = {
    "Empfindlichkeitseinstellung fuer den Differenzierer bei BETRIEBSART = DIFFERENZIERER. \n"
    "Aufsummierungsfaktor fuer DELTA bei BETRIEBSART = DELTA CH0 INTEGRATOR.",
    "Select sensitivity of the differentiator at OPERATING MODE = DIFFERENTIATOR. \n"
    "Summation factor for DELTA at OPERATING MODE = DELTA CH0 INTEGRATOR"};

// REF VALUE CH0
const TextPair kHelpRefValCh0 = {"Referenzwert von CH0 bei BETRIEBSART = DELTA CH0 INTEGRATOR",
                                 "Reference value of CH0 at OPERATING MODE = DELTA CH0 INTEGRATOR"};

// POWER
const TextPair kHelpPower = {"Intensitaet der Sende-LED einstellen. \n"
                             "0 = keine Intensitaet,  1000 = volle Intensitaet.",
                             "Select the intensity of the transmitter LED. \n"
                             "0 = no intensity,  1000 = full intensity."};

// POWER MODE
const TextPair kHelpPowerMode = {
    "Betriebsmodus der Sendereinheit waehlen. \n"
    "\n"
    "STATISCH: \n"
    "Senderleistung wird dauerhaft auf dem Wert des POWER-REGLERS gehalten. \n"
    "\n"
    "DYNAMISCH: \n"
    "Senderleistung wird im Bezug auf die diffuse Reflektionsstrahlung \n"
    "der Oberflaeche dynamisch nachgeregelt. Sensor sollte den Dynamikbereich nicht ueberschreiten. \n"
    "Der Dynamikbereich kann mit DYNFST LO und DYNFST HI eingestellt werden. \n"
    "\n"
    "STATISCH IN1: \n"
    "Sender ist aktiv, wenn IN1 high ist.",
    "Select the operating mode of the transmitter unit. \n"
    "\n"
    "STATIC: \n"
    "Transmitter power is constantly kept at the POWER-SLIDER value. \n"
    "\n"
    "DYNAMIC: \n"
    "Transmitter power is dynamically tuned in accordance with the amount of radiation  \n"
    "which is is detected at the receiver. Sensor should not exceed the dynamic range. \n"
    "The dynamic range can be selected with DYN WIN LO and DYN WIN HI. \n"
    "\n"
    "STATIC IN1: \n"
    "Transmitter is activ, when IN1 is high."};

// LED MODE
const TextPair kHelpLedMode = {"Betriebsmodus der LED waehlen. \n"
                               "DC: Lichtquelle ist permanent eingeschaltet. \n"
                               "AC: Lichtquelle ist moduliert. \n"
                               "AUS: Lichtquelle ist ausgeschaltet.",
                               "Select the LED operation mode. \n"
                               "DC: Light source is permanant on. \n"
                               "AC: Light source is modulated. \n"
                               "OFF: Light source is off."};

// GAIN
const TextPair kHelpGain = {"Verstaerkerstufe des Empfaengers waehlen. \n"
                            "VST1 ist die niedrigste Verstaerkung. \n"
                            "VST8 ist die hoechste Verstaerkung. \n"
                            "\n"
                            "Wechselt zwischen 4 Stufen mit IN0 und IN1. \n"
                            "Beispiel VST 2 4 6 8: \n"
                            "VST2 wenn IN1=LO und IN0=LO \n"
                            "VST4 wenn IN1=LO und IN0=HI \n"
                            "VST6 wenn IN1=HI und IN0=LO \n"
                            "VST8 wenn IN1=HI und IN0=HI",
                            "Select amplification stage of receiver. \n"
                            "AMP1 is the lowest amplification. \n"
                            "AMP8 is the highest amplification. \n"
                            "\n"
                            "Switch between 4 stages with IN0 and IN1. \n"
                            "Example AMP 2 4 6 8: \n"
                            "AMP2 is set when IN1=LO and IN0=LO \n"
                            "AMP4 is set when IN1=LO and IN0=HI \n"
                            "AMP6 is set when IN1=HI and IN0=LO \n"
                            "AMP8 is set when IN1=HI and IN0=HI"};

// DYNWIN LO and DYNWIN HI
const TextPair kHelpDynWinLoHi = {"Bereich fuer die dynamische Regulierung \n"
                                  "waehlen wenn PMOD = DYNAMISCH.",
                                  "Select a window for dynamic regaluation \n"
                                  "if POWER MODE = DYNAMIC."};

// AVERAGE
const TextPair kHelpAverage = {"Die Anzahl der Scanwerte (gemessene Werte) waehlen \n"
                               "ueber die das Rohsignal gemittelt wird (Mittelwert!).",
                               "Select the number of scanning values (measured values) \n"
                               "over which the raw signal is averaged (meanvalue!)."};

// INTEGRAL
const TextPair kHelpIntegral = {"Die Anzahl (0...250) der Werte waehlen \n"
                                "ueber die das Rohsignal integriert wird.",
                                "Select the number (0...250) of values \n"
                                "over which the raw signal is integrated."};

// ADJ CHANNEL OFFSET
const TextPair kHelpChannelOffset = {
    "Bei KANAL OFFSET = EIN wird der Offset Wert fuer CH0 vom aktuellen Wert abgezogen. \n"
    "\n"
    "Um den aktuellen Offset zur ermitteln arbeiten Sie zunaechst mit KANAL OFFSET = AUS. \n"
    "\n"
    "Platzieren Sie die Oberflaeche mit dem abzuziehenden Offset vor dem Sensor. \n"
    "\n"
    "Wenn Sie die Eigenreflektion einer Optik kompensieren moechten, dann lassen Sie diese ins Leere "
    "schauen. \n"
    "\n"
    "Druecken Sie LOS um den Datenaustausch zu starten. \n"
    "\n"
    "Stellen Sie sicher, dass der Sensor richtig parametriert ist (POWER, GAIN, etc.). \n"
    "\n"
    "Druecken Sie HALT und waehlen sie jetzt KANAL OFFSET = EIN. \n"
    "\n"
    "Mit UEBERGIB OFFSET wird der aktuelle Kanal Wert als Offset Wert uebernommen. \n"
    "\n"
    "Druecken Sie abschliessend SEND um die Daten im Sensor zu hinterlegen.",
    "With CHANNEL OFFSET = ON, the offset value for CH0 is subtracted from the current signal. \n"
    "\n"
    "To determine the current offset, first work with CHANNEL OFFSET = OFF. \n"
    "\n"
    "Place the surface which has to be compensated in front of the sensor. \n"
    "\n"
    "If you want to compensate the self-reflection of an optic, then let it look into nothing. \n"
    "\n"
    "Push GO to start the data exchange. \n"
    "\n"
    "Make sure that the sensor is parameterized correctly (POWER, GAIN, etc.). \n"
    "\n"
    "Press STOP and now select CHANNEL OFFSET = ON. \n"
    "\n"
    "With ASSIGN OFFSET the current channel value is taken over as offset value. \n"
    "\n"
    "Finally, press SEND to store the data in the sensor."};

// ASSIGN OFFSET button
const TextPair kHelpAssignAdjOffset = {"Uebernimm CH0 in das Offset Eingabefelde.",
                                       "Assign CH0 to the offset edit box."};

// ANALOG OUTMODE
const TextPair kHelpAnaOutmode = {"Das Analogausgangs-Signal waehlen.", "Select the analog output signal."};

// ANALOG RANGE
const TextPair kHelpAnaRange = {
    "VOLL: \n"
    "Der volle Analogspannungs- oder Stromausgabebereich liegt zwischen 0 und 4095. \n"
    "\n"
    "MIN-MAX wenn IN0: \n"
    "Ein Minimal- und ein Maximalsignalwert werden festgelegt solange IN0 high ist. \n"
    "\n"
    "Der volle Analogspannungs- oder Stromausgabebereich liegt zwischen MIN und MAX. \n"
    "\n"
    "0-MAX wenn IN0: \n"
    "Wie MIN-MAX wenn IN0 aktiv. Aber MIN ist auf 0 gesetzt. \n"
    "\n"
    "KONV TABELLE: \n"
    "Konvertierter Signalwert wird analog ausgegeben.",
    "FULL: \n"
    "The full analog voltage or current output range lies within 0 and 4095. \n"
    "\n"
    "MIN-MAX when IN0: \n"
    "A minimum and a maximum signal value is detected while IN0 is high. \n"
    "The full analog voltage or current output range lies within MIN and MAX. \n"
    "\n"
    "0-MAX when IN0: \n"
    "Same like MIN-MAX when IN0. But MIN is set to 0. \n"
    "\n"
    "CONV TABLE: \n"
    "Converted signal value will be output analog."};

// ANALOG OUT
const TextPair kHelpAnaOut = {"KONT: \n"
                              "Kontinuierliche Analogausgabe des Signalwerts. \n"
                              "\n"
                              "STEIGENDE FLANKE an IN1: \n"
                              "Der Signalwert wird bei einer steigenden Flanke an IN1 analog ausgegeben. \n"
                              "Das Signal wird bis zur naechsten steigenden Flanke eingefroren. \n"
                              "\n"
                              "FALLENDE FLANKE an IN1: \n"
                              "Der Signalwert wird bei einer fallenden Flanke an IN1 analog ausgegeben. \n"
                              "Das Signal wird bis zur naechsten fallenden Flanke eingefroren.",
                              "CONT:  \n"
                              "Continuous analog output of signal value.  \n"
                              "\n"
                              "RISING EDGE of IN1: \n"
                              "The signal value is output analog at a rising edge of IN1. \n"
                              "The signal is frozen until the next rising edge of IN1. \n"
                              "\n"
                              "FALLING EDGE of IN1: \n"
                              "The signal value is output analog at a falling edge of IN1. \n"
                              "The signal is frozen until the next falling edge of IN1."};

// DIGITAL OUTMODE
const TextPair kHelpDigOutmode = {
    "Die Auswertung der Digitalausgaenge waehlen. \n"
    "\n"
    "AUS: Digitalausgang ist deaktiviert. \n"
    "\n"
    "DIREKT : Ausgang ist high (+24V), wenn das Signal in der Toleranz ist. \n"
    "\n"
    "INVERS : Ausgang ist low (0V), wenn das Signal in der Toleranz ist. \n"
    "\n"
    "DIR STG FLA an IN1 : Ausgang ist high (+24V), wenn das Signal in der Toleranz ist sobald IN1 high "
    "schaltet. \n"
    "INV STG FLA an IN1: Ausgang ist low (0V), wenn das Signal in der Toleranz ist sobald IN1 high schaltet. "
    "\n"
    "Das Signal ist eingefroren bis zur naechsten steigenden Flanke an IN1. \n"
    "\n"
    "DIR FAL FLA an IN1 : Ausgang ist high (+24V), wenn das Signal in der Toleranz ist sobald IN1 low "
    "schaltet. \n"
    "INV FAL FLA an IN1: Ausgang ist low (0V), wenn das Signal in der Toleranz ist sobald IN1 low schaltet. "
    "\n"
    "Das Signal ist eingefroren bis zur naechsten fallenden Flanke an IN1.",
    "Select how to set the digital output. \n"
    "\n"
    "OFF: Digital output is disabled. \n"
    "\n"
    "DIRECT  : Output is HIGH (+24V), if the signal is within the tolerance. \n"
    "INVERSE : Output is LOW  (0V),   if the signal is within the tolerance. \n"
    "\n"
    "DIR RIS EDG of IN1 : Output is HIGH (+24V), if the signal is within the tolerance when IN1 goes HI. \n"
    "INV RIS EDG of IN1 : Output is LOW  (0V), if the signal is within the tolerance when IN1 goes HI. \n"
    "The signal is frozen until the next rising edge of IN1. \n"
    "\n"
    "DIR FAL EDG of IN1 : Output is HIGH (+24V), if the signal is within the tolerance when IN1 goes LO. \n"
    "INV FAL EDG of IN1 : Output is LOW  (0V), if the signal is within the tolerance when IN1 goes LO. \n"
    "The signal is frozen until the next falling edge of IN1."};

// HOLD
const TextPair kHelpHold = {"Die minimale Pulsdauer wenn ein \n"
                            "Digitalausgang schaltet waehlen. \n"
                            "Aufloesung ist 0.1ms.",
                            "Select the minimum pulse length \n"
                            "when a digital output changes. \n"
                            "Resolution is 0,1ms."};

// DEAD TIME
const TextPair kHelpDeadTime = {
    "Waehrend der TOTZEIT aktualisiert der Sensor seine Ausgaenge nicht. \n"
    "Die Zeit zwischen zwei Schaltvorgaengen ist als 100% definiert. \n"
    "Die Dauer der Totzeit ist als prozentualer Anteil zwischen zwei Schaltereignissen bestimmt. \n"
    "Totzeit wird mit TOTZEIT = 0 deaktiviert.",
    "During DEAD TIME the sensor doesn't update the outputs. \n"
    "The time between two switching events is valuated as 100%. \n"
    "The duration of the dead time is determined in percent between two switching events. \n"
    "Disable dead time mode with DEAD TIME = 0"};

// TEACH buttons 1 and 2
const TextPair kHelpTeachSig = {"Aktuelles Signal als TEACH WERT SIG uebernehmen. \n"
                                "SENDE klicken um den Sensor zu aktualisieren.",
                                "Assign current signal to TEACH VALUE SIG. \n"
                                "Push SEND to update sensor."};

// THRESHOLD MODE
const TextPair kHelpThresholdMode = {
    "Schwellenmodus waehlen. \n"
    "\n"
    "LOW: Ausgang schaltet wenn Signal (dunkelgelbe Linie) unter die Schaltschwelle (rote Linie) faellt \n"
    "oder ueber die Schalthysterese (blau gestrichelte Linie) steigt. \n"
    "\n"
    "HIGH: Ausgang schaltet wenn Signal (dunkelgelbe Linie) ueber die Schaltschwelle (rote Linie) steigt \n"
    "oder unter die Schalthysterese (blau gestrichelte Linie) faellt. \n"
    "\n"
    "FST: Ausgang schaltet wenn Signal (dunkelgelbe Linie) das Schaltschwellenfenster (rote Linie) verlaesst "
    "\n"
    "oder in das Schalthysteresenfenster (blau gestrichelte Linie) zurueckkehrt. \n"
    "\n"
    "2 SSW: Gleiche Funktion wie LOW, aber mit zwei Schwellen. \n"
    "OUT0 ist gesetzt wenn Signal unter Schwelle1 faellt, \n"
    "OUT1 ist gesetzt wenn Signal unter Schwelle2 faellt.",
    "Select a treshold mode. \n"
    "\n"
    "LOW: Output changes when signal (dark yellow line) goes lower than switching threshold (red Line) \n"
    "or higher than switching hysteresis (black dashed line). \n"
    "\n"
    "HIGH: Output changes when signal (dark yellow line) goes higher than switching threshold (red Line) \n"
    "or lower than switching hysteresis (black dashed line). \n"
    "\n"
    "WIN: Output changes when signal (dark yellow line) leaves switching threshold window (red Line) \n"
    "or returns into switching hysteresis window (black dashed line). \n"
    "\n"
    "2 TRSH: Same function as LOW, but with two tresholds. \n"
    "OUT0 is set when signal goes lower than threshold1, \n"
    "OUT1 is set when signal goes lower than threshold2."};

// THRESHOLD TRACING
const TextPair kHelpThresholdTracing = {
    "Schwellen-Nachfuehrung waehlen. \n"
    "\n"
    "AUS: Schwellen-Nachfuehrung deaktiviert. \n"
    "\n"
    "IN TOL: Schwellen-Nachfuehrung aktiv wenn Signal in der Toleranz. \n"
    "Schwelle wird mit der Zeitverzoegerung nachgefuehrt, die in SN HOCH und SN RUNTER. \n"
    "\n"
    "KONT AN: Schwellen-Nachfuehrung dauerhaft aktiv. \n"
    "Schwelle wird mit der Zeitverzoegerung nachgefuehrt, die in SN HOCH und SN RUNTER.",
    "Select threshold tracing. \n"
    "\n"
    "OFF: Threshold Tracing is disabled.  \n"
    "\n"
    "ON TOL: Threshold Tracing will be done only when the signal is in the tolerance. \n"
    "Threshold is traced with the time delay adjusted in TT UP and TT DOWN. \n"
    "\n"
    "ON CONT: Threshold Tracing will be done continuously. \n"
    "Threshold is traced with the time delay adjusted in TT UP and TT DOWN."};

// TT UP
const TextPair kHelpThresholdTracingUp = {
    "Die Zeitverzoegerung fuer die Schwellennachfuehrung nach Oben waehlen. \n"
    "Wertebereich geht von 0 bis 60000. \n"
    "Ausfloesung ist 100 Microsekunden pro Schritt.",
    "Select a time delay for \n"
    "threshold tracing Up. \n"
    "Range goes from 0 to 60000. \n"
    "Resolution is 100 Microseconds per step."};

// TT DOWN
const TextPair kHelpThresholdTracingDown = {
    "Die Zeitverzoegerung fuer die Schwellennachfuehrung nach Unten waehlen. \n"
    "Wertebereich geht von 0 bis 60000. \n"
    "Ausfloesung ist 100 Microsekunden pro Schritt.",
    "Select a time delay for \n"
    "threshold tracing Down. \n"
    "Range goes from 0 to 60000. \n"
    "Resolution is 100 Microseconds per step."};

// TEACH VALUE 1 SIG and TEACH VALUE 2 SIG
const TextPair kHelpTeachValSig = {
    "Teachwert ist der Referenzwert REF (blau gestrichelte Linie) fuer \n"
    "die Berechnung der Schaltschwelle wenn SCHWELLEN NACHFUEHRUNG = AUS. \n"
    "Wenn SCHWELLEN NACHFUERHRUNG = EIN. Referenz REF (blau gestrichelte Linie) wird automatisch berechnet. "
    "\n"
    "\n"
    "Wenn SCHWELLEN MODUS = LOW: \n"
    "Schaltschwelle = REF-TOLERANZ (rote Linie) \n"
    "Schalthysterese =REF-TOLERANZ+HYSTERESE (schwarz gestrichelte Linie) \n"
    "\n"
    "Wenn SCHWELLEN MODUS = HI: \n"
    "Schaltschwelle = REF+TOLERANZ (rote Linie) \n"
    "Schalthysterese =REF+TOLERANZ-HYSTERESE (schwarz gestrichelte Linie) \n"
    "\n"
    "Wenn SCHWELLEN MODUS = FST: \n"
    "Untere Schaltschwelle = REF-TOLERANZ (rote Linie) \n"
    "Untere Schalthysterese =REF-TOLERANZ+HYSTERESE (schwarz gestrichelte Linie) \n"
    "Obere Schaltschwelle = REF+TOLERANZ (rote Linie) \n"
    "Obere Schalthysterese =REF+TOLERANZ-HYSTERESE (schwarz gestrichelte Linie)",
    "Teach value is reference value REF (blue dashed line) for \n"
    "switching threshold calculation when THRESHOLD TRACING = OFF. \n"
    "When THRESHOLD TRACING = ON. Reference REF (blue dashed line) is calculated automatically. \n"
    "\n"
    "If THRESHOLD MODE = LOW: \n"
    "Switching threshold = REF-TOLERANCE (red Line) \n"
    "Switching hysteresis = REF-TOLERANCE+HYSTERESIS (black dashed line) \n"
    "\n"
    "If THRESHOLD MODE = HI:  \n"
    "Switching threshold = REF+TOLERANCE (red Line) \n"
    "Switching hysteresis = REF+TOLERANCE-HYSTERESIS (black dashed line) \n"
    "\n"
    "If THRESHOLD MODE = WIN: \n"
    "Lower switching threshold = REF-TOLERANCE (red Line) \n"
    "Lower switching hysteresis = REF-TOLERANCE+HYSTERESIS (black dashed line) \n"
    "Upper switching threshold = REF+TOLERANCE (red Line) \n"
    "Upper switching hysteresis = REF+TOLERANCE-HYSTERESIS (black dashed line)"};

// THRESHOLD CALC 1 and 2
const TextPair kHelpTrshCalc = {"Schwellenberechnung waehlen. \n"
                                "\n"
                                "ABSOLUT: Toleranz und Hysterese \n"
                                "werden absolut in digits berechnet. \n"
                                "\n"
                                "RELATIV: Toleranz und Hysterese \n"
                                "werden relativ (%) zu REF berechnet.",
                                "Select threshold calculation. \n"
                                "\n"
                                "ABSOLUTE: Tolerance and Hysteresis \n"
                                "are calculated absolute in digits. \n"
                                "\n"
                                "RELATIVE: Tolerance and Hysteresis \n"
                                "are calculated relative (%) to REF."};

// TOLERANCE 1 and 2
const TextPair kHelpTolerance = {"TOLERANZ fuer Schaltschwellen- \n"
                                 "berechnung (rote Linie) waehlen.",
                                 "Select a TOLERANCE for switching \n"
                                 "threshold calculation (red line)."};

// HYSTERESIS 1 and 2
const TextPair kHelpHysteresis = {"HYSTERESE fuer Schalthysteresen- \n"
                                  "berechnung (schwarz gestrichelte Linie) waehlen.",
                                  "Select a HYSTERESIS for switching \n"
                                  "hysteresis calculation (black dashed line)."};

// EXTERN TEACH
const TextPair kHelpExtTeach = {
    "Externen Teachmodus waehlen. \n"
    "\n"
    "AUS: Kein externes Teachen. \n"
    "\n"
    "DIREKT: REF wird auf das aktuelle Signal gesetzt wenn IN0 high schaltet. \n"
    "\n"
    "DYN: Die Senderleistung wird dynamisch eingestellt , wenn IN0 high schaltet. \n"
    "Nachdem die Power eingestellt wurde arbeitet der Sensor statisch mit diesem Wert weiter. \n"
    "REF wird auf das aktuelle Signal gesetzt und im RAM des Sensors gespeichert. \n"
    "HINWEIS! DYN ist in Verbindung mit LED MODUS=AUS nicht moeglich. \n"
    "\n"
    "MAX: REF wird auf das Signalmaximum, solange IN0 high war, gesetzt. \n"
    "\n"
    "MIN: REF wird auf das Signalminimum, solange IN0 high war, gesetzt. \n"
    "\n"
    "(MAX+MIN)/2: REF wird auf den Mittelwert von MAX und MIN gesetzt wenn IN0 low schaltet. \n"
    "MAX und MIN Werte werden detektiert solange IN0 high ist.",
    "Select external teach mode.\n"
    "\n"
    "OFF: No external teach. \n"
    "\n"
    "DIRECT: REF is set to the current signal when IN0 goes high.\n"
    "\n"
    "DYN: The transmitter power is adjusted dynamically, when IN0 goes high. \n"
    "After the power is adjusted, the sensor works on static with this detected power value. \n"
    "REF ist set to the current signal and is stored into the RAM of the sensor. \n"
    "NOTE! DYN is not available in combination with LED MODE=OFF. \n"
    "\n"
    "MAX: REF is set to the maximum detected signal value while INO is high. \n"
    "\n"
    "MIN: REF is set to the minimum detected signal value while INO is high. \n"
    "\n"
    "(MAX+MIN)/2: REF is set to the mean value of MAX and MIN when IN0 goes low. \n"
    "MAX and MIN values are detected while INO is high."};

// SEND
const TextPair kHelpSend = {
    "Alle Parameter der PC-Nutzeroberflaeche werden an den Sensor oder in eine auswaehlbare Datei "
    "uebertragen. \n"
    "Das Ziel der Parameteruebertragung wird mit der Button-Auswahl (RAM, EEPROM, DATEI) bestimmt. \n"
    "\n"
    "Funktionstaste: F9",
    "All the parameters of the PC-User-Interface are transferred to the sensor or to a selectable file. \n"
    "The target of the parameter transfer is determined by the select button (RAM, EEPROM, FILE). \n"
    "\n"
    "Shortcut Key: F9."};

// GET
const TextPair kHelpGet = {
    "Sensor- oder Dateiparameter werden auf die PC-Nutzeroberflaeche uebertragen. \n"
    "Die Quelle der Parameteruebertragung wird mit der Button-Auswahl (RAM, EEPROM, DATEI) bestimmt. \n"
    "\n"
    "Funktionstaste: F10",
    "Sensor or file parameters are transferred to the PC-User-Interface. \n"
    "The source of the parameter transfer is determined by the select button (RAM, EEPROM, FILE). \n"
    "\n"
    "Shortcut Key: F10."};

// RAM, EEPROM and FILE selectors
const TextPair kHelpSelectMem = {"Waehlen Sie die Quelle bzw. das Ziel fuer die Parameteruebertragung.",
                                 "Select source respectively the target for the parameter transfer."};
