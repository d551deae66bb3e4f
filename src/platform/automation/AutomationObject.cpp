#include "platform/automation/AutomationObject.h"

#include <bit>
#include <stdexcept>

#include "platform/automation/AutomationError.h"
#include "platform/text/WideString.h"

namespace zv {

Argument Argument::ByRef(Variant& variable) noexcept {
    Argument argument;
    argument.m_variable = &variable;
    return argument;
}

std::optional<DispId> AutomationObject::IdOfName(std::wstring_view name) const {
    const auto found = m_ids.find(FoldCase(name));
    if (found == m_ids.end()) {
        return std::nullopt;
    }
    return found->second;
}

Variant AutomationObject::Invoke(DispId id, CallKind kind, Arguments arguments) {
    const Entry& entry = EntryOf(id, kind);
    if (arguments.size() != entry.argumentCount) {
        throw AutomationError(err::kWrongArgumentCount);
    }
    if (kind == CallKind::PropertySet && !arguments.back().Value().IsObject()) {
        throw AutomationError(err::kObjectRequired);
    }
    return entry.handler(arguments);
}

AutomationObject::MemberDefinition AutomationObject::Expose(DispId id, std::wstring_view name) {
    if (m_members.contains(id) || !m_ids.try_emplace(FoldCase(name), id).second) {
        throw std::invalid_argument("member exposed twice: " + ToUtf8(name));
    }
    m_members.try_emplace(id);
    return MemberDefinition(*this, id);
}

std::size_t AutomationObject::SlotOf(CallKind kind) {
    const auto flag = static_cast<unsigned>(kind);
    if (!std::has_single_bit(flag) || flag > static_cast<unsigned>(CallKind::PropertySet)) {
        throw AutomationError(err::kInvalidProcedureCall);
    }
    return static_cast<std::size_t>(std::countr_zero(flag));
}

void AutomationObject::Define(DispId id, CallKind kind, std::size_t argumentCount,
                              Handler handler) {
    m_members.at(id)[SlotOf(kind)] = Entry{argumentCount, std::move(handler)};
}

const AutomationObject::Entry& AutomationObject::EntryOf(DispId id, CallKind kind) const {
    const std::size_t slot = SlotOf(kind);
    const auto member = m_members.find(id);
    if (member == m_members.end() || !member->second[slot].handler) {
        throw AutomationError(err::kMemberNotFound);
    }
    return member->second[slot];
}

}  // namespace zv
