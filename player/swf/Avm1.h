#pragma once
// A small assembler for ActionScript 1/2 bytecode (DoAction contents).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SwfEncoding.h"

namespace swf::detail {

enum class Action : std::uint8_t {
    Play = 0x06,
    Stop = 0x07,
    Subtract = 0x0B,
    Not = 0x12,
    Pop = 0x17,
    GetVariable = 0x1C,
    SetVariable = 0x1D,
    Return = 0x3E,
    NewObject = 0x40,
    Add2 = 0x47,
    ToNumber = 0x4A,
    GetMember = 0x4E,
    SetMember = 0x4F,
    CallMethod = 0x52,
};

class Avm1Code {
public:
    using Label = std::size_t;

    void Do(Action action) { m_out.U8(static_cast<std::uint8_t>(action)); }
    void PushString(std::string_view s);
    void PushInt(std::int32_t v);
    void PushNull();
    void PushBool(bool v);
    // Pushes an anonymous function with named parameters.
    void DefineFunction(const std::vector<std::string>& params, const Avm1Code& body);

    // Conveniences over the stack machine.
    void GetVariable(std::string_view name) { PushString(name); Do(Action::GetVariable); }
    void GetMember(std::string_view name) { PushString(name); Do(Action::GetMember); }
    // The arguments (last first), their count and the receiver must be on the
    // stack; the result is left there.
    void CallMethod(std::string_view name);

    Label NewLabel();
    void Bind(Label label);
    void If(Label target);           // jumps when the popped value is true

    // The finished bytes; `withEnd` appends the ActionEndFlag a DoAction needs.
    Bytes Finish(bool withEnd) const;

private:
    void Record(std::uint8_t code, const Bytes& payload);

    ByteWriter m_out;
    std::vector<std::size_t> m_labels;                        // bound offsets
    std::vector<std::pair<std::size_t, Label>> m_fixups;      // offset field at, target
};

}  // namespace swf::detail
