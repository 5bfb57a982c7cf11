#include "data/globals.h"

QString operatorName;
QString roleCode;
QString accountSetName;
QString accountSetFlag;

QString modeFlag;
QString callerFlag;
QString curGoodsSn;
QString curGhsSn;
QString curKhSn;
QString ckNameParam;
QString detailTable;
QString djhParam;
QString partyType;
QString choiceParam;
QString paramValue;

QString zwYfje;
QString zwSfje;
QString zwWfje;

QString authName;
QString authRoleCode;

int saveChoice = 0;
