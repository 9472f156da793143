#pragma once

#include "core/TrimSpaces.h"

#include <QString>

class QWidget;

// The "Refer A Friend" values and the address that hands them to the maker's
// server. The values live for the whole run and are overwritten at each send.
namespace modTellAFriend {

// The texts an untouched referral box shows, and what it gets back when emptied.
inline constexpr char YourNamePlaceholder[] = "Your Name";
inline constexpr char YourEmailPlaceholder[] = "Your Email Address";
inline constexpr char FriendNamePlaceholder[] = "Friend's Name";
inline constexpr char FriendEmailPlaceholder[] = "Friend's Email Address";
inline constexpr char YourMessagePlaceholder[] = "Your Message";

inline constexpr char DistinctEmailMessage[] = "Please Enter Distinct Email Addresses";
inline constexpr char ProperEmailMessage[] = "Please Enter Proper Email Address";
inline constexpr char YourNameMessage[] = "Please Enter Your Name";
inline constexpr char YourMessageMessage[] = "Please Enter Your Message";
inline constexpr char FriendNameMessage[] = "Please Enter Your Friend's Name";
inline constexpr char EmailSpaceMessage[] = "Email Address Cannot Contain Space";

// The page of the maker's server that takes a referral.
inline constexpr char ReferralPageKey[] = "kzlt-refer-a-friend";

extern QString ReferrerName;
extern QString ReferrerEmail;
extern QString ReferralMessage;
extern QString FriendName;
extern QString FriendEmail;
extern QString ReferralAddress;

// Removes leading and trailing spaces only; tabs and line breaks stay.
using ::TrimSpaces;

// Shows one of the referral messages: critical icon, OK alone.
void ShowReferralMessage(QWidget* parent, const char* text);

// Percent-encodes a value as a query component (UTF-8, unreserved characters
// kept), so that no typed "&", "=", "#" or line break can add or cut a parameter.
QString EncodeQueryValue(const QString& value);

// The referral address for the stored values.
QString BuildReferralAddress();

// The referral button's checks of the stored e-mail values: distinct, and each
// with an "@" and a "."; then SendReferral. The first failing check shows its
// message (over parent) and stops.
void SubmitReferral(QWidget* parent);

// Checks the stored name, message and friend's name, then builds and opens the
// address. The first failing check shows its message (over parent) and stops.
void SendReferral(QWidget* parent = nullptr);

// Hands ReferralAddress to the browser as every web-page command does.
void OpenReferralAddress();

} // namespace modTellAFriend
