#pragma once
// Applies a decoded state record to a panel, its controller and its settings
// windows, group by group in the one order every panel shares. Each panel
// says only how it shows its own keys and which optional parts it has.

#include "device_record.h"
#include "edition_windows.h"

#include <array>
#include <functional>

namespace DevState {

// The panel's own faces and faders; an empty function leaves that field alone.
struct PanelFields {
    std::function<void(quint8)> pgm, pvw, audioMode, ch1On, ch1Level, ch2On, ch2Level, masterOn, master, mute, ftb,
        still, rate;
};

// Where the rest of the record goes. A panel without a camera section leaves
// cam null, one without the audio page audio (those fields are then not
// read), and only a panel whose F7 key is the key-page key reads the F7 mode.
// The HD model panels but one read neither the HDR byte nor give the settings
// window the microphone volume.
struct RecordTargets {
    onlyFun* fun = nullptr;
    PIP_PAGE* pip = nullptr;
    POP_PAGE* pop = nullptr;
    KEY_PAGE* luma = nullptr;
    KEY_PAGE* chroma = nullptr;
    PATTERN_PAGE* pattern = nullptr;
    CAM_PAGE* cam = nullptr;
    MainMenu* menu = nullptr;
    AUDIO_PAGE* audio = nullptr;
    bool readsF7Mode = false;
    bool readsHdr = true;
    bool menuShowsMic = true;
};

// The T-bar position report (type 0x82, at least 22 bytes): direction at 18,
// position at 19, where a position of 128 or more is the end of the stroke.
struct TbarReport {
    quint8 direction = 0;
    quint8 position = 0;  // 0..127
    bool autoLit = false; // the lever stands between its ends
    bool upLit = false;   // the upper direction lamp; the lower one shows the opposite
    bool moves = false;   // the lever goes to `lever`
    bool showsAuto = true; // autoLit applies; false leaves the AUTO lamp as it is
    int lever = 0;
};
// Edition: direction 0 or 1 moves the lever, to 0 for position 0; AUTO is lit
// strictly between the ends. Family (the model panels): position 0 moves
// nothing and unlights AUTO, 1..127 move the lever and light AUTO, 128 and
// above put it at its end unlit; any other direction changes nothing.
enum class TbarRule { Edition, Family };
bool readTbarReport(const QByteArray& reply, TbarReport& out, TbarRule rule = TbarRule::Edition);

// Applies the groups in `which`; the caller holds the device-state guard.
void applyRecord(const Record& r, const Groups& which, const PanelFields& panel, const RecordTargets& to);

// Recording, pause and streaming to the controller, the stream settings to the settings window.
void applyRecStreamStatus(const RecStreamStatus& s, const RecordTargets& to);

// The picture-out window mode reply (type 0x6F, mode at 18) to the controller.
// Other replies are ignored; the device-state guard is held while applying.
void applyPopWindowReply(const QByteArray& reply, const RecordTargets& to);

// Where the version reply's first value lies: reply byte 18 on the edition and
// HD panels, 19 on the 4K family's.
constexpr int kVersionFirstByte = 18;
constexpr int k4kFamilyVersionFirstByte = 19;

// The version reply (type 0x49): the byte at firstByte, byte 14 and bytes
// 23..31, in the order MainMenu::setVersion takes them. False for other
// replies and for those shorter than 32 bytes.
struct VersionReport {
    std::array<quint8, 11> values{};
};
bool readVersionReply(const QByteArray& reply, int firstByte, VersionReport& out);
// The same to the settings window, under the device-state guard; anything else is ignored whole.
void applyVersionReply(const QByteArray& reply, int firstByte, const RecordTargets& to);

// Keeps each wipe group's current icon (the device byte less one) for the transition keys.
void storeGroupIcons(const quint8 (&groups)[10]);

// The transition key a reported transition lights: MIX (0) for kind 1, FADE
// (1) for kind 2, for kind 4 or 8 the first wipe group (2..11) whose effect
// is cur, among those hasKey accepts (all when it is empty); -1 for none.
int litTransition(quint8 kind, quint8 cur, const quint8 (&groups)[10],
                  const std::function<bool(int id)>& hasKey = {});

} // namespace DevState
