#pragma once
// Texts the device session shows: the window title while connected and offline, the device
// address in dotted form, and the lines of the raw-traffic monitor.

#include <QString>

#include <cstdint>
#include <span>

// "TROV316 DSP Processor Editor V1.1"
QString OfflineCaption();
// The offline caption, "    Connected Port => " and the port: a serial port name, "USB", or
// "IP : " and the dotted address.
QString ConnectedCaption(const QString &port);
// An IPv4 address whose first octet is in the most significant byte: "192.168.1.101".
QString DottedAddress(std::uint32_t address);
// `prefix` followed by each byte as two upper-case hexadecimal digits and a blank.
QString TrafficText(const QString &prefix, std::span<const std::uint8_t> bytes);
