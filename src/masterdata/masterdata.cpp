#include "masterdata/masterdata.h"

void registerMasterdataWindows()
{
    registerGoodsListWindows();
    registerGoodsWindows();
    registerSizeColorWindows();
    registerPartnerWindows();
    registerStaffWindows();
    registerPriceAndSalesmanWindows();
    registerImportAndBarcodeWindows();
}
