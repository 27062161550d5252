#pragma once

#include <QtGlobal>

#include <optional>

// The current user's Internet settings value "SecureProtocols": one bit per
// protocol version the platform's HTTP stack may use.
namespace SecureProtocols
{

inline constexpr quint32 ssl2 = 0x0008;
inline constexpr quint32 ssl3 = 0x0020;
inline constexpr quint32 tls1_0 = 0x0080;
inline constexpr quint32 tls1_1 = 0x0200;
inline constexpr quint32 tls1_2 = 0x0800;
inline constexpr quint32 tls1_3 = 0x2000;
// The two settings the library writes.
inline constexpr quint32 tls1_0To1_2 = tls1_0 | tls1_1 | tls1_2; // 2688
inline constexpr quint32 tls1_0To1_3 = tls1_0To1_2 | tls1_3;     // 10880

// The stored value as a signed 32-bit number, 0 when it is missing; none when it is text
// that is not a whole number in that range.
std::optional<qint32> stored();
// The stored value, 0 also when it is such text.
qint32 current();

// The account service needs TLS 1.0 to 1.2: a lower setting becomes exactly those
// three, any other setting but 2688 becomes TLS 1.0 to 1.3. The write is permanent;
// a failed write is ignored. Throws VelmoError, writing nothing, when the setting is
// text that is not a number.
void ensureAccountServiceProtocols();

} // namespace SecureProtocols
