#pragma once
// A small assembler for ActionScript 3 bytecode (the ABC inside a DoABC tag),
// enough for a document class with a few methods.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "SwfEncoding.h"

namespace swf::detail {

enum class Op : std::uint8_t {
    Jump = 0x10,
    IfFalse = 0x12,
    PushByte = 0x24,
    PushString = 0x2C,
    Pop = 0x29,
    Dup = 0x2A,
    PushScope = 0x30,
    CallProperty = 0x46,
    ReturnVoid = 0x47,
    ReturnValue = 0x48,
    ConstructSuper = 0x49,
    ConstructProp = 0x4A,
    CallPropVoid = 0x4F,
    NewClass = 0x58,
    FindPropStrict = 0x5D,
    GetLex = 0x60,
    SetProperty = 0x61,
    GetScopeObject = 0x65,
    GetProperty = 0x66,
    InitProperty = 0x68,
    ConvertD = 0x75,
    AsTypeLate = 0x87,
    Increment = 0x91,
    Decrement = 0x93,
    GetLocal0 = 0xD0,
    GetLocal1 = 0xD1,
};

class AbcCode {
public:
    using Label = std::size_t;

    void Do(Op op) { m_out.U8(static_cast<std::uint8_t>(op)); }
    void Do(Op op, std::uint32_t operand);                 // one u30 operand
    void Do(Op op, std::uint32_t operand, std::uint32_t count);
    void PushByte(std::int8_t v);

    Label NewLabel();
    void Bind(Label label);
    void Branch(Op op, Label target);

    Bytes Finish() const;

private:
    ByteWriter m_out;
    std::vector<std::size_t> m_labels;
    std::vector<std::pair<std::size_t, Label>> m_fixups;
};

class AbcFile {
public:
    // Constant pool entries, each added once.
    std::uint32_t String(std::string_view s);
    std::uint32_t PackageNamespace(std::string_view package);
    std::uint32_t QName(std::string_view package, std::string_view name);

    struct Body {
        AbcCode code;
        int paramCount = 0;
        int maxStack = 8;
        int localCount = 1;           // `this` and the parameters at least
    };

    // A public document class `name` deriving from `base` (a QName index) with
    // an untyped slot per `slots` entry and the given instance methods.
    void AddClass(std::string_view name, std::uint32_t base, Body constructor,
                  const std::vector<std::string>& slots,
                  std::vector<std::pair<std::string, Body>> methods);

    Bytes Finish() const;

private:
    struct Trait {
        std::uint32_t name;
        std::uint8_t kind;            // 0 slot, 1 method, 4 class
        std::uint32_t index;          // method or class index
    };
    struct ClassInfo {
        std::uint32_t name, base, iinit, cinit;
        std::vector<Trait> traits;
    };
    std::uint32_t AddMethod(Body body);

    std::vector<std::string> m_strings;
    std::vector<std::uint32_t> m_namespaces;       // package namespaces by name index
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_qnames;
    std::vector<Body> m_methods;
    std::vector<ClassInfo> m_classes;
    std::vector<std::pair<std::uint32_t, std::vector<Trait>>> m_scripts;
};

}  // namespace swf::detail
