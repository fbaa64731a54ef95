#pragma once
// The unit operations a batch and a template definition both choose by their batch type (0 cover,
// 1 half-cell). Another type raises "Invalid Batch Type".
#include <QString>
#include <cstdint>

QString BatchTypeUnitName(std::uint8_t batchType);
double BatchTypeFromDisplay(std::uint8_t batchType, double value);
QString BatchTypeFormatValueRounded(std::uint8_t batchType, double value);
int BatchTypeCompareValues(std::uint8_t batchType, double a, double b);
