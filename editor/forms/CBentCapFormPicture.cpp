#include "CBentCapFormPicture.h"

#include "CPaintDC.h"
#include "FormPictures.h"

void CBentCapFormPicture::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    PaintFormPicture(dc, client, GetDlgCtrlID());
}
