#include "CategoryForms.h"

#include "CBentCapFormBPView.h"
#include "CBentCapFormBSView.h"
#include "CBentCapFormEXView.h"
#include "CBentCapFormHPView.h"
#include "CBentCapFormNFView.h"
#include "CBentCapFormNRView.h"
#include "CBentCapFormPLView.h"
#include "CBentCapFormRBView.h"
#include "CBentCapFormPSView.h"
#include "CBentCapFormPTView.h"
#include "CBentCapFormSCView.h"
#include "CBentCapFormSDView.h"
#include "CBentCapFormSTView.h"

namespace {

template <class Form>
std::unique_ptr<CBentCapFormBaseView> Make()
{
    return std::make_unique<Form>();
}

} // namespace

FormFactory FormFactoryForCategory(int nCode)
{
    if (nCode / 100 == 1)
        return &Make<CBentCapFormRBView>;
    switch (nCode) {
    case 0: return &Make<CBentCapFormBSView>;
    case 200: return &Make<CBentCapFormNRView>;
    case 202: return &Make<CBentCapFormPTView>;
    case 203: return &Make<CBentCapFormSCView>;
    case 208: return &Make<CBentCapFormPSView>;
    case 204: return &Make<CBentCapFormEXView>;
    case 206: return &Make<CBentCapFormHPView>;
    case 201: return &Make<CBentCapFormSTView>;
    case 205: return &Make<CBentCapFormSDView>;
    case 207: return &Make<CBentCapFormBPView>;
    case 209: return &Make<CBentCapFormPLView>;
    default: break;
    }
    if (nCode >= 11 && nCode <= 19)
        return &Make<CBentCapFormNFView>;
    return nullptr;
}

int FormCodeForCategory(int nCode)
{
    return nCode / 100 == 1 || (nCode >= 11 && nCode <= 19) ? nCode : -1;
}
