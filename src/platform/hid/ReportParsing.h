#pragma once
// The report-parsing operations over a parsed report descriptor: capabilities, link collections,
// and reading and writing buttons, values and data items in report buffers. Every report buffer
// starts with its report ID and must be exactly the report length of its type; no operation reads
// or writes outside the buffer it is given. A usage page, link collection or usage of 0 in the
// capability queries matches any.

#include <cstdint>

#include "platform/hid/HidTypes.h"
#include "platform/hid/PreparsedData.h"

namespace hid {

Status GetCaps(const PreparsedData *data, Caps *caps);
Status GetLinkCollectionNodes(LinkCollectionNode *nodes, std::uint32_t *length, const PreparsedData *data);
Status GetSpecificButtonCaps(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                             ButtonCaps *caps, std::uint16_t *length, const PreparsedData *data);
Status GetSpecificValueCaps(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                            ValueCaps *caps, std::uint16_t *length, const PreparsedData *data);
std::uint32_t MaxDataListLength(ReportType type, const PreparsedData *data);
std::uint32_t MaxUsageListLength(ReportType type, UsageCode page, const PreparsedData *data);

Status GetData(ReportType type, Data *list, std::uint32_t *length, const PreparsedData *data,
               const std::uint8_t *report, std::uint32_t reportLength);
Status SetData(ReportType type, Data *list, std::uint32_t *length, const PreparsedData *data,
               std::uint8_t *report, std::uint32_t reportLength);

Status GetUsages(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode *list,
                 std::uint32_t *length, const PreparsedData *data, const std::uint8_t *report,
                 std::uint32_t reportLength);
Status GetUsagesEx(ReportType type, std::uint16_t linkCollection, UsageAndPage *list, std::uint32_t *length,
                   const PreparsedData *data, const std::uint8_t *report, std::uint32_t reportLength);
Status SetUsages(ReportType type, UsageCode page, std::uint16_t linkCollection, const UsageCode *list,
                 std::uint32_t *length, const PreparsedData *data, std::uint8_t *report, std::uint32_t reportLength);
Status UnsetUsages(ReportType type, UsageCode page, std::uint16_t linkCollection, const UsageCode *list,
                   std::uint32_t *length, const PreparsedData *data, std::uint8_t *report, std::uint32_t reportLength);

Status GetUsageValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                     std::uint32_t *value, const PreparsedData *data, const std::uint8_t *report,
                     std::uint32_t reportLength);
Status GetScaledUsageValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                           std::int32_t *value, const PreparsedData *data, const std::uint8_t *report,
                           std::uint32_t reportLength);
Status GetUsageValueArray(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                          std::uint8_t *buffer, std::uint16_t bufferLength, const PreparsedData *data,
                          const std::uint8_t *report, std::uint32_t reportLength);
Status SetUsageValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                     std::uint32_t value, const PreparsedData *data, std::uint8_t *report, std::uint32_t reportLength);
Status SetScaledUsageValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                           std::int32_t value, const PreparsedData *data, std::uint8_t *report,
                           std::uint32_t reportLength);
Status SetUsageValueArray(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                          const std::uint8_t *buffer, std::uint16_t bufferLength, const PreparsedData *data,
                          std::uint8_t *report, std::uint32_t reportLength);

// Unknown global items are not kept by our parser: answers "not implemented" for a valid
// descriptor, "invalid preparsed data" without one.
Status GetExtendedAttributes(ReportType type, std::uint16_t dataIndex, const PreparsedData *data,
                             void *attributes, std::uint32_t *length);
// Zeroes the report, puts the ID in byte 0 and the null value into every value that has one.
Status InitializeReportForID(ReportType type, std::uint8_t reportId, const PreparsedData *data,
                             std::uint8_t *report, std::uint32_t reportLength);

}  // namespace hid
