// Bridge movies. The player has no frame interface of its own, so a small
// movie with the title's stage, rate and background loads the title and offers
// the frame operations as ExternalInterface callbacks. Frames count from 0 on
// that interface; the movies count from 1.
#include <algorithm>
#include <optional>

#include "Abc.h"
#include "Avm1.h"
#include "Swf.h"
#include "SwfEncoding.h"

namespace swf {
namespace {

using detail::Action;
using detail::Avm1Code;
using detail::Op;

constexpr int kAvm1MinVersion = 8;    // ExternalInterface
constexpr int kAvm2MinVersion = 9;
constexpr int kTitleLevel = 1;

// ---- ActionScript 1/2 titles: the title goes to _level1 --------------------

// Set by the loader listener once the title's first frame has run; until then
// _level1 may be an empty stand-in.
constexpr const char* kReadyFlag = "laloraTitleReady";

void PushExternalInterface(Avm1Code& c)
{
    c.GetVariable("flash");
    c.GetMember("external");
    c.GetMember("ExternalInterface");
}

// A callback body that runs `act` on a loaded title, or answers `fallback`
// (nothing when absent) before that.
template <typename Act>
Avm1Code TitleCallback(std::optional<int> fallback, Act act)
{
    Avm1Code c;
    const auto notReady = c.NewLabel();
    c.GetVariable("_level0");
    c.GetMember(kReadyFlag);
    c.Do(Action::Not);
    c.If(notReady);
    act(c);
    c.Bind(notReady);
    if (fallback) {
        c.PushInt(*fallback);
        c.Do(Action::Return);
    }
    return c;
}

// _level1.<method>(args already pushed, last first), result dropped.
void CallTitle(Avm1Code& c, const char* method, int argCount)
{
    c.PushInt(argCount);
    c.GetVariable("_level1");
    c.CallMethod(method);
    c.Do(Action::Pop);
}

Avm1Code TitleProperty(const char* property, int minus)
{
    return TitleCallback(-1, [=](Avm1Code& c) {
        c.GetVariable("_level1");
        c.GetMember(property);
        if (minus) {
            c.PushInt(minus);
            c.Do(Action::Subtract);
        }
        c.Do(Action::Return);
    });
}

Avm1Code TitleCall(const char* method, std::optional<int> argument)
{
    return TitleCallback(std::nullopt, [=](Avm1Code& c) {
        if (argument)
            c.PushInt(*argument);
        CallTitle(c, method, argument ? 1 : 0);
    });
}

Bytes Avm1BridgeActions(const std::string& url)
{
    Avm1Code c;
    // var laloraTitleReady = false; a MovieClipLoader whose onLoadInit sets it.
    c.GetVariable("_level0");
    c.PushString(kReadyFlag);
    c.PushBool(false);
    c.Do(Action::SetMember);

    c.PushString("laloraListener");
    c.PushInt(0);
    c.PushString("Object");
    c.Do(Action::NewObject);
    c.Do(Action::SetVariable);

    Avm1Code onLoadInit;
    onLoadInit.GetVariable("_level0");
    onLoadInit.PushString(kReadyFlag);
    onLoadInit.PushBool(true);
    onLoadInit.Do(Action::SetMember);
    c.GetVariable("laloraListener");
    c.PushString("onLoadInit");
    c.DefineFunction({}, onLoadInit);
    c.Do(Action::SetMember);

    c.PushString("laloraLoader");
    c.PushInt(0);
    c.PushString("MovieClipLoader");
    c.Do(Action::NewObject);
    c.Do(Action::SetVariable);

    c.GetVariable("laloraListener");
    c.PushInt(1);
    c.GetVariable("laloraLoader");
    c.CallMethod("addListener");
    c.Do(Action::Pop);

    // laloraLoader.loadClip(url, 1): the same as loadMovieNum, with the listener.
    c.PushInt(kTitleLevel);
    c.PushString(url);
    c.PushInt(2);
    c.GetVariable("laloraLoader");
    c.CallMethod("loadClip");
    c.Do(Action::Pop);

    Avm1Code seek = TitleCallback(std::nullopt, [](Avm1Code& f) {
        f.GetVariable("n");
        f.Do(Action::ToNumber);
        f.PushInt(1);
        f.Do(Action::Add2);
        CallTitle(f, "gotoAndStop", 1);
    });
    struct Callback {
        const char* name;
        std::vector<std::string> params;
        Avm1Code body;
    };
    const Callback callbacks[] = {
        {"laloraTotalFrames", {}, TitleProperty("_totalframes", 0)},
        {"laloraCurrentFrame", {}, TitleProperty("_currentframe", 1)},
        {"laloraGotoFrame", {"n"}, std::move(seek)},
        {"laloraPlay", {}, TitleCall("play", std::nullopt)},
        {"laloraStop", {}, TitleCall("stop", std::nullopt)},
        {"laloraRewind", {}, TitleCall("gotoAndStop", 1)},
    };
    for (const auto& [name, params, body] : callbacks) {
        // ExternalInterface.addCallback(name, null, function ...)
        c.DefineFunction(params, body);
        c.PushNull();
        c.PushString(name);
        c.PushInt(3);
        PushExternalInterface(c);
        c.CallMethod("addCallback");
        c.Do(Action::Pop);
    }

    c.PushString("laloraReady");
    c.PushInt(1);
    PushExternalInterface(c);
    c.CallMethod("call");
    c.Do(Action::Pop);
    c.Do(Action::Stop);
    return c.Finish(true);
}

// ---- ActionScript 3 titles: the title goes into a Loader -------------------

using Body = detail::AbcFile::Body;

struct Names {
    explicit Names(detail::AbcFile& abc)
        : loader(abc.QName("", "laloraLoader")),
          content(abc.QName("", "content")),
          clip(abc.QName("", "laloraTitleClip")),
          movieClip(abc.QName("flash.display", "MovieClip")),
          loaderClass(abc.QName("flash.display", "Loader")),
          urlRequest(abc.QName("flash.net", "URLRequest")),
          externalInterface(abc.QName("flash.external", "ExternalInterface"))
    {}
    std::uint32_t loader, content, clip, movieClip, loaderClass, urlRequest, externalInterface;
};

// this.loader.content
void PushContent(detail::AbcCode& c, const Names& n)
{
    c.Do(Op::GetLocal0);
    c.Do(Op::GetProperty, n.loader);
    c.Do(Op::GetProperty, n.content);
}

// laloraTitleClip(): the loaded title as a MovieClip, or null.
Body ClipMethod(const Names& n)
{
    Body b;
    PushContent(b.code, n);
    b.code.Do(Op::GetLex, n.movieClip);
    b.code.Do(Op::AsTypeLate);
    b.code.Do(Op::ReturnValue);
    return b;
}

// A query: -1 before the title is there, `stillValue` for a title without a
// timeline, else the clip's property adjusted by `adjust`.
Body QueryMethod(const Names& n, std::uint32_t property, Op adjust, std::int8_t stillValue)
{
    Body b;
    auto& c = b.code;
    const auto none = c.NewLabel(), still = c.NewLabel();
    PushContent(c, n);
    c.Branch(Op::IfFalse, none);
    c.Do(Op::GetLocal0);
    c.Do(Op::CallProperty, n.clip, 0);
    c.Do(Op::Dup);
    c.Branch(Op::IfFalse, still);
    c.Do(Op::GetProperty, property);
    if (adjust != Op::Pop)
        c.Do(adjust);
    c.Do(Op::ReturnValue);
    c.Bind(still);
    c.Do(Op::Pop);
    c.PushByte(stillValue);
    c.Do(Op::ReturnValue);
    c.Bind(none);
    c.PushByte(-1);
    c.Do(Op::ReturnValue);
    return b;
}

// A command on the clip, if there is one; `pushArgument` adds at most one argument.
template <typename PushArgument>
Body CommandMethod(const Names& n, std::uint32_t method, int paramCount, PushArgument pushArgument)
{
    Body b;
    b.paramCount = paramCount;
    auto& c = b.code;
    const auto none = c.NewLabel();
    c.Do(Op::GetLocal0);
    c.Do(Op::CallProperty, n.clip, 0);
    c.Do(Op::Dup);
    c.Branch(Op::IfFalse, none);
    const int argCount = pushArgument(c);
    c.Do(Op::CallPropVoid, method, static_cast<std::uint32_t>(argCount));
    c.Do(Op::ReturnVoid);
    c.Bind(none);
    c.Do(Op::Pop);
    c.Do(Op::ReturnVoid);
    return b;
}

Bytes Avm2BridgeAbc(const std::string& url)
{
    detail::AbcFile abc;
    const Names n(abc);
    const auto gotoAndStop = abc.QName("", "gotoAndStop");
    const auto noArgument = [](detail::AbcCode&) { return 0; };

    // The methods carry the callback names: MovieClip already owns the plain ones.
    std::vector<std::pair<std::string, Body>> methods;
    methods.emplace_back("laloraTotalFrames", QueryMethod(n, abc.QName("", "totalFrames"), Op::Pop, 1));
    methods.emplace_back("laloraCurrentFrame", QueryMethod(n, abc.QName("", "currentFrame"), Op::Decrement, 0));
    methods.emplace_back("laloraGotoFrame", CommandMethod(n, gotoAndStop, 1, [](detail::AbcCode& c) {
        c.Do(Op::GetLocal1);
        c.Do(Op::ConvertD);
        c.Do(Op::Increment);
        return 1;
    }));
    methods.emplace_back("laloraPlay", CommandMethod(n, abc.QName("", "play"), 0, noArgument));
    methods.emplace_back("laloraStop", CommandMethod(n, abc.QName("", "stop"), 0, noArgument));
    methods.emplace_back("laloraRewind", CommandMethod(n, gotoAndStop, 0, [](detail::AbcCode& c) {
        c.PushByte(1);
        return 1;
    }));

    std::vector<std::string> callbacks;
    for (const auto& method : methods)
        callbacks.push_back(method.first);
    methods.emplace_back("laloraTitleClip", ClipMethod(n));

    Body ctor;
    auto& c = ctor.code;
    c.Do(Op::GetLocal0);
    c.Do(Op::PushScope);
    c.Do(Op::GetLocal0);
    c.Do(Op::ConstructSuper, 0);
    // loader = new Loader(); addChild(loader); loader.load(new URLRequest(url))
    c.Do(Op::GetLocal0);
    c.Do(Op::FindPropStrict, n.loaderClass);
    c.Do(Op::ConstructProp, n.loaderClass, 0);
    c.Do(Op::SetProperty, n.loader);
    c.Do(Op::GetLocal0);
    c.Do(Op::GetLocal0);
    c.Do(Op::GetProperty, n.loader);
    c.Do(Op::CallPropVoid, abc.QName("", "addChild"), 1);
    c.Do(Op::GetLocal0);
    c.Do(Op::GetProperty, n.loader);
    c.Do(Op::FindPropStrict, n.urlRequest);
    c.Do(Op::PushString, abc.String(url));
    c.Do(Op::ConstructProp, n.urlRequest, 1);
    c.Do(Op::CallPropVoid, abc.QName("", "load"), 1);
    for (const auto& name : callbacks) {
        c.Do(Op::GetLex, n.externalInterface);
        c.Do(Op::PushString, abc.String(name));
        c.Do(Op::GetLocal0);
        c.Do(Op::GetProperty, abc.QName("", name));
        c.Do(Op::CallPropVoid, abc.QName("", "addCallback"), 2);
    }
    c.Do(Op::GetLex, n.externalInterface);
    c.Do(Op::PushString, abc.String("laloraReady"));
    c.Do(Op::CallPropVoid, abc.QName("", "call"), 1);
    c.Do(Op::ReturnVoid);

    abc.AddClass("LaloraBridge", n.movieClip, std::move(ctor), {"laloraLoader"}, std::move(methods));
    return abc.Finish();
}

}  // namespace

Bytes WriteBridge(const SwfInfo& title, const std::string& titleUrl)
{
    const std::string url = detail::EscapeUrl(titleUrl);
    detail::TagStream tags;
    tags.Tag(detail::kFileAttributes, detail::FileAttributesBody(title.isAs3));
    tags.Tag(detail::kSetBackgroundColor, detail::BackgroundBody(title.backgroundRgb));
    int version = 0;
    if (title.isAs3) {
        version = std::max(title.version, kAvm2MinVersion);
        tags.Tag(detail::kDoAbc, detail::DoAbcBody(Avm2BridgeAbc(url)));
        tags.Tag(detail::kSymbolClass, detail::SymbolClassBody("LaloraBridge"));
    } else {
        version = std::max(title.version, kAvm1MinVersion);
        tags.Tag(detail::kDoAction, Avm1BridgeActions(url));
    }
    tags.Tag(detail::kShowFrame);
    tags.Tag(detail::kEnd);
    const detail::Frame frame{title.stageWidth, title.stageHeight, title.frameRate, 1};
    return detail::AssembleMovie(version, frame, tags, false);
}

}  // namespace swf
