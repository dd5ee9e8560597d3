#include "Avm1.h"

#include <stdexcept>

namespace swf::detail {
namespace {

constexpr std::uint8_t kPush = 0x96, kIf = 0x9D, kDefineFunction = 0x9B;
constexpr std::size_t kUnbound = SIZE_MAX;
enum PushType : std::uint8_t { kString = 0, kNull = 2, kBool = 5, kInt = 7 };

}  // namespace

void Avm1Code::Record(std::uint8_t code, const Bytes& payload)
{
    if (payload.size() > 0xFFFF)
        throw std::length_error("action record too long");
    m_out.U8(code);
    m_out.U16(static_cast<std::uint32_t>(payload.size()));
    m_out.Append(payload);
}

void Avm1Code::PushString(std::string_view s)
{
    ByteWriter p;
    p.U8(kString);
    p.CString(s);
    Record(kPush, p.Data());
}

void Avm1Code::PushInt(std::int32_t v)
{
    ByteWriter p;
    p.U8(kInt);
    p.U32(static_cast<std::uint32_t>(v));
    Record(kPush, p.Data());
}

void Avm1Code::PushNull() { Record(kPush, {kNull}); }

void Avm1Code::PushBool(bool v) { Record(kPush, {kBool, static_cast<std::uint8_t>(v)}); }

void Avm1Code::DefineFunction(const std::vector<std::string>& params, const Avm1Code& body)
{
    const Bytes code = body.Finish(false);
    if (code.size() > 0xFFFF)
        throw std::length_error("function body too long");
    ByteWriter p;
    p.CString("");
    p.U16(static_cast<std::uint32_t>(params.size()));
    for (const auto& param : params)
        p.CString(param);
    p.U16(static_cast<std::uint32_t>(code.size()));
    Record(kDefineFunction, p.Data());
    m_out.Append(code);      // the body follows the record
}

void Avm1Code::CallMethod(std::string_view name)
{
    PushString(name);
    Do(Action::CallMethod);
}

Avm1Code::Label Avm1Code::NewLabel()
{
    m_labels.push_back(kUnbound);
    return m_labels.size() - 1;
}

void Avm1Code::Bind(Label label) { m_labels.at(label) = m_out.Size(); }

void Avm1Code::If(Label target)
{
    Record(kIf, {0, 0});
    m_fixups.emplace_back(m_out.Size() - 2, target);
}

Bytes Avm1Code::Finish(bool withEnd) const
{
    ByteWriter out = m_out;
    for (const auto& [at, label] : m_fixups) {
        const std::size_t target = m_labels.at(label);
        if (target == kUnbound)
            throw std::logic_error("unbound label");
        const auto offset = static_cast<std::int64_t>(target) - static_cast<std::int64_t>(at + 2);
        if (offset < INT16_MIN || offset > INT16_MAX)
            throw std::length_error("branch too far");
        out.PatchU16(at, static_cast<std::uint32_t>(offset));
    }
    if (withEnd)
        out.U8(0);
    return out.Take();
}

}  // namespace swf::detail
