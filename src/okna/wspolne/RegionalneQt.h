#pragma once
// Separator dziesiętny i krótki format daty z ustawień regionalnych użytkownika.
class QLocale;

void UstawRegionalne(const QLocale& ustawienia);
