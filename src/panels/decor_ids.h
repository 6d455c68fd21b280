#pragma once
// Identifiers of the purely visual controls of the panel resource: the frames that
// group controls, the headings above them, and the trace labels of the scope panel.
// No program code addresses them; they have identifiers so that every control of
// the resource is unique and can be localised. The range lies between the controls
// of panels/panel_ids.h and the controls created at run time; headings are numbered
// after their frames.

constexpr int kHeadingOffset = 50;

enum DecorId {
    // Main panel
    DECO_MAIN_TRANSFER = 2000,
    DECO_MAIN_LIVE,
    HEAD_MAIN_TRANSFER = DECO_MAIN_TRANSFER + kHeadingOffset,
    HEAD_MAIN_LIVE,

    // Connection page
    DECO_CONN_INTERFACE = 2100,
    DECO_CONN_LINK,
    DECO_CONN_SETTINGS,
    HEAD_CONN_INTERFACE = DECO_CONN_INTERFACE + kHeadingOffset,
    HEAD_CONN_LINK,
    HEAD_CONN_SETTINGS,

    // Parameters I page (the transmitter frame is TABPARA1_DECO)
    DECO_PARA1_RECEIVER = 2200,
    DECO_PARA1_PROCESSING,
    DECO_PARA1_ANALOG,
    DECO_PARA1_DIGITAL,
    DECO_PARA1_OFFSET,
    HEAD_PARA1_RECEIVER = DECO_PARA1_RECEIVER + kHeadingOffset,
    HEAD_PARA1_PROCESSING,
    HEAD_PARA1_ANALOG,
    HEAD_PARA1_DIGITAL,
    HEAD_PARA1_OFFSET,
    HEAD_PARA1_TRANSMITTER,

    // Parameters II page (the threshold 2 frame is TABPARA2_THR2FRAME; one heading
    // stands over both threshold columns, since the second one comes and goes)
    DECO_PARA2_SWITCHING = 2300,
    DECO_PARA2_TRACING,
    DECO_PARA2_THR1,
    HEAD_PARA2_SWITCHING = DECO_PARA2_SWITCHING + kHeadingOffset,
    HEAD_PARA2_TRACING,
    HEAD_PARA2_THRESHOLDS,

    // Conversion table page
    DECO_CONV_EDIT = 2400,
    DECO_CONV_FILE,
    DECO_CONV_EEPROM,
    HEAD_CONV_EDIT = DECO_CONV_EDIT + kHeadingOffset,
    HEAD_CONV_FILE,
    HEAD_CONV_EEPROM,

    // Recorder page
    DECO_REC_FILE = 2500,
    DECO_REC_MODE,
    DECO_REC_PROGRESS,
    DECO_REC_CONTROL,
    HEAD_REC_FILE = DECO_REC_FILE + kHeadingOffset,
    HEAD_REC_MODE,
    HEAD_REC_PROGRESS,
    HEAD_REC_CONTROL,

    // Scope page
    DECO_SCOPE_TRIGGER = 2600,
    DECO_SCOPE_CYCLE,
    DECO_SCOPE_SCAN,
    DECO_SCOPE_REPORT,
    HEAD_SCOPE_TRIGGER = DECO_SCOPE_TRIGGER + kHeadingOffset,
    HEAD_SCOPE_CYCLE,
    HEAD_SCOPE_SCAN,
    HEAD_SCOPE_REPORT,

    // Offset compensation page
    DECO_OFFSET_OFFSET = 2700,
    DECO_OFFSET_FACTOR,
    HEAD_OFFSET_OFFSET = DECO_OFFSET_OFFSET + kHeadingOffset,
    HEAD_OFFSET_FACTOR,

    // Data panel
    DECO_DATA_SENSOR = 2800,
    DECO_DATA_VALUES,
    DECO_DATA_IO,
    HEAD_DATA_SENSOR = DECO_DATA_SENSOR + kHeadingOffset,
    HEAD_DATA_VALUES,
    HEAD_DATA_IO,

    // Scope panel: labels of the four digital traces
    SCOPEP_LABEL_IN0 = 2900,
    SCOPEP_LABEL_IN1,
    SCOPEP_LABEL_OUT0,
    SCOPEP_LABEL_OUT1,
};
