#include "winmsg/CallbackFcn.h"

#include <utility>

#include "platform/automation/LateBound.h"
#include "platform/automation/Trapped.h"

namespace zv {

void CallbackFcn::SetFcnObject(std::shared_ptr<AutomationObject> fcnObject) {
    m_fcnObject = std::move(fcnObject);
}

void CallbackFcn::SetFcnName(std::wstring fcnName) {
    m_fcnName = std::move(fcnName);
}

void CallbackFcn::SetParams(VariantArray params) {
    m_params = std::move(params);
}

void CallbackFcn::UpdateParam(std::int16_t i, Variant var) {
    m_params.Item(i) = std::move(var);
}

Variant CallbackFcn::CallFcn(Variant defaultReturnValue, const VariantArray& args) {
    if (!m_fcnObject || m_fcnName.empty()) {
        return defaultReturnValue;
    }
    // The method's own errors reach the caller; any other failure gives the
    // default result.
    return TrappedButReported(std::move(defaultReturnValue), [&] {
        // The method gets a zero-based list of its own, whatever the bounds of
        // the array it was made from.
        const VariantArray& chosen = args.Items().empty() ? m_params : args;
        Variant list = VariantArray(chosen.Items());
        Arguments arguments;
        arguments.push_back(Argument::ByRef(list));
        return CallByName(m_fcnObject, m_fcnName, CallKind::Method, std::move(arguments));
    });
}

}  // namespace zv
