// A small UI Automation client: what a Windows screen reader (Narrator, NVDA, JAWS) is told.
//   uia_client tree         the foreground window's tree, an element a line, in reading order:
//                           depth, control type, name, access key, enabled, keyboard focusable
//   uia_client focus        every focus change, a line each as it comes: the control type and
//                           name of the focused element, then the title, control type and
//                           handle of the window it is in; runs until it is killed
// Lines are tab-separated UTF-8 on standard output. A program that stops answering would keep a
// UI Automation call waiting for ever (Wine ignores the connection time-out), so a watchdog
// ends the client with status 3 after 20 s without an answer.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <initguid.h>

#include <uiautomation.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace {

constexpr DWORD WatchdogMs = 20000;
std::atomic<ULONGLONG> busySince{0}; // GetTickCount64 when a call began; 0 while idle

DWORD WINAPI watchdog(void*)
{
    for (;;) {
        Sleep(500);
        const ULONGLONG since = busySince.load();
        if (since != 0 && GetTickCount64() - since > WatchdogMs) {
            std::fputs("uia: the program gave no answer within 20 s\n", stderr);
            std::fflush(stdout);
            ExitProcess(3);
        }
    }
}

// Marks a stretch of UI Automation calls for the watchdog.
struct Busy
{
    Busy() { busySince = GetTickCount64(); }
    ~Busy() { busySince = 0; }
};

std::string utf8(const wchar_t* text, int length)
{
    if (text == nullptr || length <= 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    // A tab or line break inside a name would split its line.
    for (char& c : out)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return out;
}

VARIANT property(IUIAutomationElement* element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    // TRUE: a property the provider does not give reads as empty, not as the "not supported" object.
    if (FAILED(element->GetCurrentPropertyValueEx(id, TRUE, &value)))
        VariantInit(&value);
    return value;
}

std::string text(IUIAutomationElement* element, PROPERTYID id)
{
    VARIANT value = property(element, id);
    std::string out;
    if (value.vt == VT_BSTR)
        out = utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
    VariantClear(&value);
    return out;
}

long number(IUIAutomationElement* element, PROPERTYID id)
{
    VARIANT value = property(element, id);
    long out = -1;
    if (value.vt == VT_I4)
        out = value.lVal;
    else if (value.vt == VT_BOOL)
        out = value.boolVal != VARIANT_FALSE ? 1 : 0;
    VariantClear(&value);
    return out;
}

// "Gone" for an element that no longer answers (a menu that closed as its focus event came).
const char* controlTypeName(long id)
{
    if (id < 0)
        return "Gone";
    static const char* const names[] = {
        "Button",      "Calendar",    "CheckBox",  "ComboBox", "Edit",     "Hyperlink",
        "Image",       "ListItem",    "List",      "Menu",     "MenuBar",  "MenuItem",
        "ProgressBar", "RadioButton", "ScrollBar", "Slider",   "Spinner",  "StatusBar",
        "Tab",         "TabItem",     "Text",      "ToolBar",  "ToolTip",  "Tree",
        "TreeItem",    "Custom",      "Group",     "Thumb",    "DataGrid", "DataItem",
        "Document",    "SplitButton", "Window",    "Pane",     "Header",   "HeaderItem",
        "Table",       "TitleBar",    "Separator"};
    const long index = id - UIA_ButtonControlTypeId;
    if (index >= 0 && index < static_cast<long>(sizeof names / sizeof names[0]))
        return names[index];
    return "Unknown";
}

std::string describe(IUIAutomationElement* element)
{
    return std::string(controlTypeName(number(element, UIA_ControlTypePropertyId))) + '\t'
           + text(element, UIA_NamePropertyId);
}

// The whole tree under the root, depth first: the order in which a screen reader reads it.
void dumpTree(IUIAutomationTreeWalker* walker, IUIAutomationElement* element, int depth)
{
    std::printf("%d\t%s\t%s\t%ld\t%ld\n", depth, describe(element).c_str(),
                text(element, UIA_AccessKeyPropertyId).c_str(),
                number(element, UIA_IsEnabledPropertyId),
                number(element, UIA_IsKeyboardFocusablePropertyId));
    IUIAutomationElement* child = nullptr;
    walker->GetFirstChildElement(element, &child);
    while (child != nullptr) {
        dumpTree(walker, child, depth + 1);
        IUIAutomationElement* next = nullptr;
        walker->GetNextSiblingElement(child, &next);
        child->Release();
        child = next;
    }
}

// The top-level window that holds the element: its title and control type, as a screen reader
// names the window that the focus moved into, and its handle, which tells windows of one title
// apart.
std::string windowOf(IUIAutomation* automation, IUIAutomationTreeWalker* walker,
                     IUIAutomationElement* element)
{
    element->AddRef();
    for (;;) {
        const long handle = number(element, UIA_NativeWindowHandlePropertyId);
        if (handle > 0) {
            HWND root = GetAncestor(reinterpret_cast<HWND>(static_cast<INT_PTR>(handle)), GA_ROOT);
            element->Release();
            IUIAutomationElement* window = nullptr;
            if (root == nullptr || FAILED(automation->ElementFromHandle(root, &window))
                || window == nullptr)
                return "\t\t";
            std::string out = text(window, UIA_NamePropertyId) + '\t'
                              + controlTypeName(number(window, UIA_ControlTypePropertyId)) + '\t'
                              + std::to_string(reinterpret_cast<INT_PTR>(root));
            window->Release();
            return out;
        }
        IUIAutomationElement* parent = nullptr;
        walker->GetParentElement(element, &parent);
        element->Release();
        if (parent == nullptr)
            return "\t\t";
        element = parent;
    }
}

class FocusLogger : public IUIAutomationFocusChangedEventHandler
{
public:
    FocusLogger(IUIAutomation* automation, IUIAutomationTreeWalker* walker)
        : automation_(automation), walker_(walker)
    {
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; } // lives on the stack
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IUIAutomationFocusChangedEventHandler) {
            *out = static_cast<IUIAutomationFocusChangedEventHandler*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override
    {
        if (sender == nullptr)
            return S_OK;
        Busy busy;
        const std::string line =
            "focus\t" + describe(sender) + '\t' + windowOf(automation_, walker_, sender) + '\n';
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
        return S_OK;
    }

private:
    IUIAutomation* automation_;
    IUIAutomationTreeWalker* walker_;
    std::atomic<ULONG> references_{1};
};

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "tree" && mode != "focus") {
        std::fputs("usage: uia_client tree|focus\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY); // lines end in \n alone, as the journey reads them
    CreateThread(nullptr, 0, watchdog, nullptr, 0, nullptr);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation* automation = nullptr;
    IUIAutomationCondition* raw = nullptr;
    IUIAutomationTreeWalker* walker = nullptr;
    {
        Busy busy;
        // The ready-made walkers are not in every UI Automation (Wine's), the raw view's
        // condition is.
        if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IUIAutomation, reinterpret_cast<void**>(&automation)))
            || FAILED(automation->get_RawViewCondition(&raw))
            || FAILED(automation->CreateTreeWalker(raw, &walker))) {
            std::fputs("uia: no UI Automation\n", stderr);
            return 1;
        }
    }
    if (mode == "tree") {
        Busy busy;
        HWND foreground = GetForegroundWindow();
        IUIAutomationElement* window = nullptr;
        if (foreground == nullptr || FAILED(automation->ElementFromHandle(foreground, &window))
            || window == nullptr) {
            std::fputs("uia: no foreground window\n", stderr);
            return 1;
        }
        dumpTree(walker, window, 0);
        std::fflush(stdout);
        return 0;
    }
    FocusLogger logger(automation, walker);
    {
        Busy busy;
        if (FAILED(automation->AddFocusChangedEventHandler(nullptr, &logger))) {
            std::fputs("uia: focus changes cannot be followed\n", stderr);
            return 1;
        }
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;)
        Sleep(INFINITE);
}
