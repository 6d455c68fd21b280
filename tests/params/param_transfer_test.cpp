// SEND and GET with the sensor as target: the commands for RAM and EEPROM, the
// plausibility report, failures part-way, and requests queued while live data runs.
#include "support/link_test_env.h"

#include "app/app_state.h"
#include "app/long_operation.h"
#include "connection/connection.h"
#include "link/exchange.h"
#include "link/link_state.h"
#include "link/parameter_fields.h"
#include "params/param_transfer.h"
#include "params/parameter_set.h"
#include "resource/callbacks.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "ui/userint.h"

namespace
{

std::vector<int> Commands(const std::vector<Bytes> &requests)
{
    std::vector<int> commands;
    for (const Bytes &request : requests)
        commands.push_back(request[1]);
    return commands;
}

// A sensor that reports `replaced` implausible values for command `command`.
Responder ReportingReplaced(int command, unsigned replaced)
{
    return [command, replaced](const Bytes &request) {
        if (request[1] == command)
            return Reply(command, replaced);
        return SensorLikeReply(request);
    };
}

} // namespace

class ParamTransferTest : public LinkProgramTest
{
  protected:
    void SetUp() override
    {
        LinkProgramTest::SetUp();
        StartWithRawSensorOverTcp();
        ASSERT_EQ(g_link.sensorConnected, 1) << Status();
        ClearStatus();
        sensor.ClearRequests();
    }

    static void SelectMemory(short memory) { g_app.paraMemory = memory; }
};

TEST_F(ParamTransferTest, RamAndEepromTargetsSendTheirCommandsInOrder)
{
    SelectMemory(PARA_MEMORY_RAM);
    EXPECT_EQ(GetPara(), 1);
    EXPECT_EQ(SendPara(), 1);
    EXPECT_EQ(Commands(sensor.Requests()), (std::vector<int>{ORDER_READ_PARAMETERS, ORDER_WRITE_PARAMETERS}));

    sensor.ClearRequests();
    SelectMemory(PARA_MEMORY_EEPROM);
    EXPECT_EQ(GetPara(), 1);
    EXPECT_EQ(SendPara(), 1);
    EXPECT_EQ(Commands(sensor.Requests()),
              (std::vector<int>{ORDER_LOAD_PARAMETERS_FROM_EEPROM, ORDER_READ_PARAMETERS,
                                ORDER_WRITE_PARAMETERS, ORDER_SAVE_PARAMETERS_TO_EEPROM}));
    for (const Bytes &request : sensor.Requests()) {
        EXPECT_EQ(request[2], 0);
        EXPECT_EQ(request[3], 0);
    }
    EXPECT_EQ(Status(), "");

    // The connection check reads RAM whatever the target, FILE included.
    sensor.ClearRequests();
    SelectMemory(PARA_MEMORY_FILE);
    CheckComLine();
    EXPECT_EQ(Commands(sensor.Requests()),
              (std::vector<int>{ORDER_READ_FIRMWARE, ORDER_READ_SENSOR_INFO, ORDER_READ_PARAMETERS}));
}

TEST_F(ParamTransferTest, PlausibilityCountsAreReportedAndTheTransferGoesOn)
{
    SelectMemory(PARA_MEMORY_EEPROM);
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2);
    sensor.SetResponder(ReportingReplaced(ORDER_WRITE_PARAMETERS, 2));
    EXPECT_EQ(SendPara(), 1);
    EXPECT_EQ(Status(),
              "Message!\n2 Parameter in RAM did not pass plausibility check and were set to default "
              "value!\n\n");
    EXPECT_EQ(ActiveMainPage(), PAGE_CONNECTION);
    EXPECT_EQ(sensor.CountRequests(ORDER_SAVE_PARAMETERS_TO_EEPROM), 1);

    ClearStatus();
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_1);
    sensor.SetResponder(ReportingReplaced(ORDER_LOAD_PARAMETERS_FROM_EEPROM, 31));
    EXPECT_EQ(GetPara(), 1);
    EXPECT_EQ(Status(), "Message!\n31 Parameter from EEPROM did not pass plausibility check and were set to "
                        "default value!\n\n");
    EXPECT_EQ(ActiveMainPage(), PAGE_CONNECTION);
    EXPECT_EQ(sensor.CountRequests(ORDER_READ_PARAMETERS), 1);
    EXPECT_EQ(g_link.sensorConnected, 1);
}

TEST_F(ParamTransferTest, AFailedFirstCommandEndsTheTransfer)
{
    SelectMemory(PARA_MEMORY_EEPROM);
    sensor.SetResponder([](const Bytes &request) {
        if (request[1] == ORDER_WRITE_PARAMETERS || request[1] == ORDER_LOAD_PARAMETERS_FROM_EEPROM)
            return Reply(kErrorReplyCommand, 1);
        return SensorLikeReply(request);
    });
    EXPECT_EQ(SendPara(), -1);
    EXPECT_EQ(GetPara(), -1);
    EXPECT_EQ(Commands(sensor.Requests()),
              (std::vector<int>{ORDER_WRITE_PARAMETERS, ORDER_LOAD_PARAMETERS_FROM_EEPROM}));
    ExpectLinkFailure("Invalid order number! \nVerify PC and sensor software!");
}

TEST_F(ParamTransferTest, GetTakesThePayloadAndRefusesAReplyOfAnotherLength)
{
    Bytes payload = PlausibleParameters();
    PutLe16(payload.data(), 777); // POWER
    sensor.SetResponder([payload](const Bytes &request) {
        if (request[1] == ORDER_READ_PARAMETERS)
            return Reply(ORDER_READ_PARAMETERS, 0, payload);
        return SensorLikeReply(request);
    });
    SelectMemory(PARA_MEMORY_RAM);
    ASSERT_EQ(GetPara(), 1);
    EXPECT_EQ(ParameterSet.Power, 777);
    int power = 0;
    GetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, &power);
    EXPECT_EQ(power, 777);

    // A reply without the last two fields, one with two more, and an acknowledgement
    // without data: each is an incorrect data frame, and record and form stay as they were.
    PutLe16(payload.data() + 2 * 30, 1);    // ADJ CHANNEL OFFSET
    PutLe16(payload.data() + 2 * 31, 1234); // CH0 OFFSET
    sensor.SetResponder([payload](const Bytes &request) {
        if (request[1] == ORDER_READ_PARAMETERS)
            return Reply(ORDER_READ_PARAMETERS, 0, payload);
        return SensorLikeReply(request);
    });
    ASSERT_EQ(GetPara(), 1);
    ASSERT_EQ(ParameterSet.Ch0Offset, 1234);
    Bytes longPayload = payload;
    longPayload.resize(68, 0x11);
    for (Bytes wrong : {Bytes(payload.begin(), payload.begin() + 60), longPayload, Bytes()}) {
        ClearStatus();
        g_link.sensorConnected = 1;
        Bytes changed = wrong;
        if (changed.size() >= 2)
            PutLe16(changed.data(), 555);
        sensor.SetResponder([changed](const Bytes &request) {
            if (request[1] == ORDER_READ_PARAMETERS)
                return Reply(ORDER_READ_PARAMETERS, 0, changed);
            return SensorLikeReply(request);
        });
        EXPECT_EQ(GetPara(), -1) << wrong.size();
        ExpectLinkFailure(kBadDataText);
        EXPECT_EQ(ParameterSet.Power, 777);
        EXPECT_EQ(ParameterSet.Ch0Offset, 1234);
        GetCtrlVal(g_app.mainPages[PAGE_PARAMETERS_1], TABPARA1_POWER, &power);
        EXPECT_EQ(power, 777);
    }
}

// F9 while the operator is still typing: what goes to the sensor is what the form shows.
TEST_F(ParamTransferTest, SendKeyWhileTypingSendsTheTypedValue)
{
    SelectMemory(PARA_MEMORY_RAM);
    ASSERT_TRUE(ShowAndActivate(g_app.mainPanel));
    SetActiveTabPage(g_app.mainPanel, MAINP_TAB, PAGE_PARAMETERS_2);
    int page = g_app.mainPages[PAGE_PARAMETERS_2];
    ASSERT_TRUE(TypeText(page, TABPARA2_HYST1, "66"));
    PressKey(g_app.mainPanel, Qt::Key_F9);
    ASSERT_EQ(sensor.CountRequests(ORDER_WRITE_PARAMETERS), 1);
    Bytes write = sensor.Requests().at(0);
    EXPECT_EQ(GetLe16(write.data() + kFrameHeaderSize + 2 * PF_HYSTERESIS_1), 66);
}

TEST_F(ParamTransferTest, SendAndGetWhileLiveDataRunsAreQueuedAsFlags)
{
    SelectMemory(PARA_MEMORY_RAM);
    g_loops.liveRunning = 1;
    CBF_ButtonSend(g_app.mainPanel, MAINP_SEND, EVENT_COMMIT, nullptr, 0, 0);
    CBF_ButtonGet(g_app.mainPanel, MAINP_GET, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(g_loops.sendRequested, 1);
    EXPECT_EQ(g_loops.getRequested, 1);
    for (int i = 0; i < 20; ++i)
        WaitSystemEvents(0.005);
    EXPECT_TRUE(sensor.Requests().empty());

    // Served later, each clears its own flag first.
    g_loops.liveRunning = 0;
    EXPECT_EQ(SendPara(), 1);
    EXPECT_EQ(g_loops.sendRequested, 0);
    EXPECT_EQ(g_loops.getRequested, 1);
    EXPECT_EQ(GetPara(), 1);
    EXPECT_EQ(g_loops.getRequested, 0);
}
