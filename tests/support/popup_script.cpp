#include "support/popup_script.h"

#include "ui/userint.h"

namespace
{

std::vector<PopupRequest> &Log()
{
    static std::vector<PopupRequest> log;
    return log;
}

} // namespace

PopupAnswer DefaultPopupAnswer(const PopupRequest &request)
{
    PopupAnswer answer;
    switch (request.kind) {
    case POPUP_CONFIRM:
        answer.result = 1;
        break;
    case POPUP_GENERIC:
        answer.result =
            request.defaultButton >= 1 && request.defaultButton <= static_cast<int>(request.buttons.size())
                ? request.defaultButton
                : 1;
        break;
    case POPUP_FILE_SELECT:
        answer.result = VAL_NO_FILE_SELECTED;
        break;
    default:
        answer.result = 0;
        break;
    }
    return answer;
}

void InstallDefaultPopupResponder()
{
    SetPopupResponder([](const PopupRequest &request) {
        Log().push_back(request);
        return DefaultPopupAnswer(request);
    });
}

const std::vector<PopupRequest> &PopupLog()
{
    return Log();
}

void ClearPopupLog()
{
    Log().clear();
}

PopupScript::PopupScript()
{
    SetPopupResponder([this](const PopupRequest &request) { return Respond(request); });
}

PopupScript::~PopupScript()
{
    InstallDefaultPopupResponder();
}

PopupScript &PopupScript::Answer(int result)
{
    PopupAnswer answer;
    answer.result = result;
    answers_.push_back(answer);
    return *this;
}

PopupScript &PopupScript::AnswerFile(int result, const std::string &path)
{
    answers_.push_back(PopupAnswer{result, path});
    return *this;
}

PopupRequest PopupScript::Last() const
{
    return requests_.empty() ? PopupRequest() : requests_.back();
}

bool PopupScript::Shown(int kind, const std::string &message) const
{
    for (const PopupRequest &request : requests_)
        if (request.kind == kind && request.message == message)
            return true;
    return false;
}

PopupAnswer PopupScript::Respond(const PopupRequest &request)
{
    requests_.push_back(request);
    Log().push_back(request);
    if (answers_.empty())
        return DefaultPopupAnswer(request);
    PopupAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}
