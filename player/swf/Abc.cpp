#include "Abc.h"

#include <algorithm>
#include <stdexcept>

namespace swf::detail {
namespace {

constexpr std::size_t kUnbound = SIZE_MAX;
constexpr std::uint8_t kNsPackage = 0x16, kMultinameQName = 0x07;
constexpr std::uint8_t kTraitSlot = 0, kTraitMethod = 1, kTraitClass = 4;

void U30(ByteWriter& out, std::uint32_t v)
{
    do {
        const std::uint32_t low = v & 0x7F;
        v >>= 7;
        out.U8(low | (v ? 0x80 : 0));
    } while (v);
}

template <typename T>
std::uint32_t IndexOf(std::vector<T>& pool, const T& value)
{
    // Pool index 0 is the implicit "any" entry, so entries count from 1.
    const auto it = std::find(pool.begin(), pool.end(), value);
    if (it != pool.end())
        return static_cast<std::uint32_t>(it - pool.begin()) + 1;
    pool.push_back(value);
    return static_cast<std::uint32_t>(pool.size());
}

}  // namespace

void AbcCode::Do(Op op, std::uint32_t operand)
{
    Do(op);
    U30(m_out, operand);
}

void AbcCode::Do(Op op, std::uint32_t operand, std::uint32_t count)
{
    Do(op, operand);
    U30(m_out, count);
}

void AbcCode::PushByte(std::int8_t v)
{
    Do(Op::PushByte);
    m_out.U8(static_cast<std::uint8_t>(v));
}

AbcCode::Label AbcCode::NewLabel()
{
    m_labels.push_back(kUnbound);
    return m_labels.size() - 1;
}

void AbcCode::Bind(Label label) { m_labels.at(label) = m_out.Size(); }

void AbcCode::Branch(Op op, Label target)
{
    Do(op);
    m_fixups.emplace_back(m_out.Size(), target);
    m_out.U24(0);
}

Bytes AbcCode::Finish() const
{
    ByteWriter out = m_out;
    for (const auto& [at, label] : m_fixups) {
        const std::size_t target = m_labels.at(label);
        if (target == kUnbound)
            throw std::logic_error("unbound label");
        // Offsets count from the end of the branch instruction.
        const auto offset = static_cast<std::int64_t>(target) - static_cast<std::int64_t>(at + 3);
        out.PatchU24(at, static_cast<std::uint32_t>(offset) & 0xFFFFFFu);
    }
    return out.Take();
}

std::uint32_t AbcFile::String(std::string_view s) { return IndexOf(m_strings, std::string(s)); }

std::uint32_t AbcFile::PackageNamespace(std::string_view package)
{
    return IndexOf(m_namespaces, String(package));
}

std::uint32_t AbcFile::QName(std::string_view package, std::string_view name)
{
    const std::pair<std::uint32_t, std::uint32_t> entry{PackageNamespace(package), String(name)};
    return IndexOf(m_qnames, entry);
}

std::uint32_t AbcFile::AddMethod(Body body)
{
    m_methods.push_back(std::move(body));
    return static_cast<std::uint32_t>(m_methods.size() - 1);
}

void AbcFile::AddClass(std::string_view name, std::uint32_t base, Body constructor,
                       const std::vector<std::string>& slots,
                       std::vector<std::pair<std::string, Body>> methods)
{
    ClassInfo info{QName("", name), base, AddMethod(std::move(constructor)), 0, {}};
    for (const auto& slot : slots)
        info.traits.push_back({QName("", slot), kTraitSlot, 0});
    for (auto& [methodName, body] : methods)
        info.traits.push_back({QName("", methodName), kTraitMethod, AddMethod(std::move(body))});

    Body staticInit;
    staticInit.code.Do(Op::GetLocal0);
    staticInit.code.Do(Op::PushScope);
    staticInit.code.Do(Op::ReturnVoid);
    info.cinit = AddMethod(std::move(staticInit));

    const auto classIndex = static_cast<std::uint32_t>(m_classes.size());
    m_classes.push_back(info);

    // The script creates the class object on the global scope.
    Body scriptInit;
    auto& c = scriptInit.code;
    c.Do(Op::GetLocal0);
    c.Do(Op::PushScope);
    c.Do(Op::GetScopeObject, 0);
    c.Do(Op::GetLex, base);
    c.Do(Op::NewClass, classIndex);
    c.Do(Op::InitProperty, info.name);
    c.Do(Op::ReturnVoid);
    m_scripts.emplace_back(AddMethod(std::move(scriptInit)),
                           std::vector<Trait>{{info.name, kTraitClass, classIndex}});
}

Bytes AbcFile::Finish() const
{
    ByteWriter out;
    out.U16(16);                      // minor version
    out.U16(46);                      // major version
    U30(out, 0);                      // integers
    U30(out, 0);                      // unsigned integers
    U30(out, 0);                      // doubles
    U30(out, static_cast<std::uint32_t>(m_strings.size() + 1));
    for (const auto& s : m_strings) {
        U30(out, static_cast<std::uint32_t>(s.size()));
        out.Append(Bytes(s.begin(), s.end()));
    }
    U30(out, static_cast<std::uint32_t>(m_namespaces.size() + 1));
    for (const auto ns : m_namespaces) {
        out.U8(kNsPackage);
        U30(out, ns);
    }
    U30(out, 0);                      // namespace sets
    U30(out, static_cast<std::uint32_t>(m_qnames.size() + 1));
    for (const auto& [ns, name] : m_qnames) {
        out.U8(kMultinameQName);
        U30(out, ns);
        U30(out, name);
    }

    U30(out, static_cast<std::uint32_t>(m_methods.size()));
    for (const auto& m : m_methods) {
        U30(out, static_cast<std::uint32_t>(m.paramCount));
        U30(out, 0);                  // return type: any
        for (int i = 0; i < m.paramCount; ++i)
            U30(out, 0);
        U30(out, 0);                  // no name
        out.U8(0);                    // no flags
    }
    U30(out, 0);                      // metadata

    const auto writeTraits = [&out](const std::vector<Trait>& traits) {
        U30(out, static_cast<std::uint32_t>(traits.size()));
        for (const auto& t : traits) {
            U30(out, t.name);
            out.U8(t.kind);
            U30(out, 0);              // slot or dispatch id: assigned by the player
            U30(out, t.index);
            if (t.kind == kTraitSlot)
                U30(out, 0);          // no default value
        }
    };
    U30(out, static_cast<std::uint32_t>(m_classes.size()));
    for (const auto& c : m_classes) {
        U30(out, c.name);
        U30(out, c.base);
        out.U8(0x01);                 // sealed
        U30(out, 0);                  // interfaces
        U30(out, c.iinit);
        writeTraits(c.traits);
    }
    for (const auto& c : m_classes) {
        U30(out, c.cinit);
        U30(out, 0);
    }
    U30(out, static_cast<std::uint32_t>(m_scripts.size()));
    for (const auto& [init, traits] : m_scripts) {
        U30(out, init);
        writeTraits(traits);
    }

    U30(out, static_cast<std::uint32_t>(m_methods.size()));
    for (std::size_t i = 0; i < m_methods.size(); ++i) {
        const auto& m = m_methods[i];
        const Bytes code = m.code.Finish();
        U30(out, static_cast<std::uint32_t>(i));
        U30(out, static_cast<std::uint32_t>(m.maxStack));
        U30(out, static_cast<std::uint32_t>(std::max(m.localCount, m.paramCount + 1)));
        U30(out, 0);                  // initial scope depth
        U30(out, 1);                  // maximum scope depth
        U30(out, static_cast<std::uint32_t>(code.size()));
        out.Append(code);
        U30(out, 0);                  // exceptions
        U30(out, 0);                  // traits
    }
    return out.Take();
}

}  // namespace swf::detail
