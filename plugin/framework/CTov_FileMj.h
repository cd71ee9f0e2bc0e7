// A settings object that both drawing classes hold and that no file fills: two integers and six
// lists of element records, which the system gives no fields.
#pragma once

#include "CArray.h"
#include "CIbFileText.h"

struct CTov_OMZ {};
struct CTov_OMM {};
struct CTov_OML {};
struct CTov_BML {};
struct CTov_BMZ {};
struct CTov_BMM {};

class CTov_FileMj : public CIbFileText {
public:
    CTov_FileMj() = default;
    ~CTov_FileMj() override = default;

    int m_nFirst = 2;
    int m_nSecond = 13;
    CArray<CTov_OMZ, const CTov_OMZ&> m_aOMZ;
    CArray<CTov_OMM, const CTov_OMM&> m_aOMM;
    CArray<CTov_OML, const CTov_OML&> m_aOML;
    CArray<CTov_BML, const CTov_BML&> m_aBML;
    CArray<CTov_BMZ, const CTov_BMZ&> m_aBMZ;
    CArray<CTov_BMM, const CTov_BMM&> m_aBMM;
};
