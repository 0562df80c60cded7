<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>cw::AboutBox</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Cartwise is a program that helps you to budget your shopping activities and make them more efficient.</source>
        <translation>Cartwise ist ein Programm, mit dem Sie die Kosten Ihrer Einkäufe planen und effizienter einkaufen können.</translation>
    </message>
    <message>
        <source>Cartwise is made by %1. It is provided as is, without warranty of any kind.</source>
        <translation>Cartwise wird von %1 hergestellt. Es wird ohne Mängelgewähr und ohne jegliche Gewährleistung bereitgestellt.</translation>
    </message>
</context>
<context>
    <name>cw::AvailableItemsPanel</name>
    <message>
        <source>Items in Selected Category</source>
        <translation>Artikel in gewählter Kategorie</translation>
    </message>
    <message>
        <source>New Item</source>
        <translation>Neuer Art.</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Art. ändern</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Art. löschen</translation>
    </message>
    <message>
        <source>Item To List</source>
        <translation>Art. in Liste</translation>
    </message>
    <message>
        <source>All To List</source>
        <translation>Alle in Liste</translation>
    </message>
</context>
<context>
    <name>cw::Catalogue</name>
    <message>
        <source>New Cat</source>
        <translation>Neue Kat.</translation>
    </message>
    <message>
        <source>Enter new category name</source>
        <translation>Geben Sie den Namen der neuen Kategorie ein</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>No category selected</source>
        <translation>Keine Kategorie ausgewählt</translation>
    </message>
    <message>
        <source>File error. Could not locate record</source>
        <translation>Dateifehler. Der Datensatz wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Edit Cat</source>
        <translation>Kat. ändern</translation>
    </message>
    <message>
        <source>Edit category named %1 ?</source>
        <translation>Kategorie „%1“ ändern?</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie ändern</translation>
    </message>
    <message>
        <source>Enter revised category name</source>
        <translation>Geben Sie den geänderten Namen der Kategorie ein</translation>
    </message>
    <message>
        <source>Delete Cat</source>
        <translation>Kat. löschen</translation>
    </message>
    <message>
        <source>Delete category named %1 and all related source items ?</source>
        <translation>Kategorie „%1“ und alle zugehörigen Artikel löschen?</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Art. löschen</translation>
    </message>
    <message>
        <source>No item selected</source>
        <translation>Kein Artikel ausgewählt</translation>
    </message>
    <message>
        <source>Delete item named %1 ?</source>
        <translation>Artikel „%1“ löschen?</translation>
    </message>
    <message>
        <source>Item To List</source>
        <translation>Art. in Liste</translation>
    </message>
    <message>
        <source>Item already on current list</source>
        <translation>Der Artikel steht bereits auf der aktuellen Liste</translation>
    </message>
    <message>
        <source>All To List</source>
        <translation>Alle in Liste</translation>
    </message>
    <message>
        <source>No items are shown in &apos;Available&apos; list</source>
        <translation>In der Liste der verfügbaren Artikel werden keine Artikel angezeigt</translation>
    </message>
</context>
<context>
    <name>cw::CategoryPanel</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>New Cat</source>
        <translation>Neue Kat.</translation>
    </message>
    <message>
        <source>Edit Cat</source>
        <translation>Kat. ändern</translation>
    </message>
    <message>
        <source>Delete Cat</source>
        <translation>Kat. löschen</translation>
    </message>
</context>
<context>
    <name>cw::Checklist</name>
    <message>
        <source>aisle %1</source>
        <translation>Gang %1</translation>
    </message>
    <message>
        <source>Total: $%1</source>
        <translation>Summe: $%1</translation>
    </message>
    <message>
        <source>Markdown checklist (*.md)</source>
        <translation>Markdown-Checkliste (*.md)</translation>
    </message>
    <message>
        <source>iCalendar tasks (*.ics)</source>
        <translation>iCalendar-Aufgaben (*.ics)</translation>
    </message>
    <message>
        <source>Save List as Checklist</source>
        <translation>Liste als Checkliste speichern</translation>
    </message>
    <message>
        <source>Shopping List</source>
        <translation>Einkaufsliste</translation>
    </message>
</context>
<context>
    <name>cw::CommandLine</name>
    <message>
        <source>no display to open the window on (is DISPLAY or WAYLAND_DISPLAY set?)</source>
        <translation>keine Anzeige, auf der das Fenster geöffnet werden kann (ist DISPLAY oder WAYLAND_DISPLAY gesetzt?)</translation>
    </message>
    <message>
        <source>Plan and budget shopping trips.</source>
        <translation>Einkäufe planen und das Budget im Blick behalten.</translation>
    </message>
    <message>
        <source>takes no arguments</source>
        <translation>erwartet keine Argumente</translation>
    </message>
</context>
<context>
    <name>cw::DataCommands</name>
    <message>
        <source>You can use this option to delete all data in the Cartwise files. This means all categories and all items will be permanently deleted. In essence, this means you will be starting from scratch.<byte value="xd"/>
<byte value="xd"/>
If you choose this option, all data will be permanently deleted and the program will terminate. When you restart the program, there will be no categories and no data.<byte value="xd"/>
<byte value="xd"/>
Do you want to PERMANENTLY DELETE ALL YOUR DATA NOW ?</source>
        <translation>Mit diesem Befehl können Sie alle Daten in den Cartwise-Dateien löschen. Das bedeutet, dass alle Kategorien und alle Artikel endgültig gelöscht werden. Sie fangen also im Grunde ganz von vorn an.<byte value="xd"/>
<byte value="xd"/>
Wenn Sie diesen Befehl ausführen, werden alle Daten endgültig gelöscht und das Programm wird beendet. Beim nächsten Start des Programms sind weder Kategorien noch Daten vorhanden.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie JETZT ALLE IHRE DATEN ENDGÜLTIG LÖSCHEN?</translation>
    </message>
    <message>
        <source>OK. I&apos;ll give you one more chance. Are you absolutely sure beyond all reasonable doubt that you want to delete all your data and terminate the program now ?</source>
        <translation>Gut. Sie erhalten noch eine letzte Gelegenheit. Sind Sie ganz sicher, ohne jeden vernünftigen Zweifel, dass Sie jetzt alle Ihre Daten löschen und das Programm beenden möchten?</translation>
    </message>
    <message>
        <source>DELETE ALL DATA</source>
        <translation>ALLE DATEN LÖSCHEN</translation>
    </message>
    <message>
        <source>For technical support, please contact %1 of %2 by e-mail at %3.<byte value="xd"/>
<byte value="xd"/>
A telephone call is discouraged, but if you must, you can call %4 from %5. Please note that this is not a toll-free call.</source>
        <translation>Für technischen Support wenden Sie sich bitte per E-Mail an %1 von %2 unter %3.<byte value="xd"/>
<byte value="xd"/>
Von Anrufen bitten wir abzusehen. Wenn es sich nicht vermeiden lässt, erreichen Sie uns telefonisch unter %4 (%5). Bitte beachten Sie, dass der Anruf nicht gebührenfrei ist.</translation>
    </message>
    <message>
        <source>Tech Support</source>
        <translation>Technischer Support</translation>
    </message>
</context>
<context>
    <name>cw::ErrorReporter</name>
    <message>
        <source>An error has occured: </source>
        <translation>Ein Fehler ist aufgetreten: </translation>
    </message>
</context>
<context>
    <name>cw::ExportCommand</name>
    <message>
        <source>Enter directory where file will be located. File name will be Cartwise.txt and format will be comma delimetered text which can be imported into popular spreadsheets and databases.</source>
        <translation>Geben Sie das Verzeichnis an, in dem die Datei abgelegt werden soll. Der Dateiname lautet Cartwise.txt, das Format ist kommagetrennter Text, der sich in gängige Tabellenkalkulationen und Datenbanken importieren lässt.</translation>
    </message>
    <message>
        <source>Export Shopping List</source>
        <translation>Einkaufsliste exportieren</translation>
    </message>
    <message>
        <source>File already exists. Do you want to overwrite it ?</source>
        <translation>Die Datei ist bereits vorhanden. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite Existing File</source>
        <translation>Vorhandene Datei überschreiben</translation>
    </message>
    <message>
        <source>Export Process has completed</source>
        <translation>Der Export ist abgeschlossen</translation>
    </message>
</context>
<context>
    <name>cw::Failure</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Ungültige Datensatznummer</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Invalid property array index</source>
        <translation>Ungültiger Index für Eigenschaftenfeld</translation>
    </message>
    <message>
        <source>Control array element doesn&apos;t exist</source>
        <translation>Element des Steuerelementfelds existiert nicht</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>cw::FindItemDialog</name>
    <message>
        <source>Find Item</source>
        <translation>Artikel suchen</translation>
    </message>
    <message>
        <source>Type part of an item&apos;s description</source>
        <translation>Teil einer Artikelbezeichnung eingeben</translation>
    </message>
    <message>
        <source>Find items</source>
        <translation>Artikel suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>S&amp;uchen:</translation>
    </message>
    <message>
        <source>Items found</source>
        <translation>Gefundene Artikel</translation>
    </message>
    <message>
        <source>Put on &amp;List</source>
        <translation>Auf die &amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Show in Main Window</source>
        <translation>Im &amp;Hauptfenster zeigen</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Strg+Enter</translation>
    </message>
    <message>
        <source>Type a word of an item&apos;s description, or part of one.</source>
        <translation>Geben Sie ein Wort aus einer Artikelbezeichnung oder einen Teil davon ein.</translation>
    </message>
    <message>
        <source>No item found.</source>
        <translation>Kein Artikel gefunden.</translation>
    </message>
    <message>
        <source>The first %1 of %2 items found are shown: type more to find fewer.</source>
        <translation>Angezeigt werden die ersten %1 von %2 gefundenen Artikeln: Geben Sie mehr ein, um die Treffer einzugrenzen.</translation>
    </message>
    <message>
        <source>1 item found.</source>
        <translation>1 Artikel gefunden.</translation>
    </message>
    <message>
        <source>%1 items found.</source>
        <translation>%1 Artikel gefunden.</translation>
    </message>
</context>
<context>
    <name>cw::FoundItemsModel</name>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Isle</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>On List</source>
        <translation>Auf Liste</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>cw::Guard</name>
    <message>
        <source>Run-time error: %1<byte value="xd"/>
<byte value="xd"/>
Cartwise will now close.</source>
        <translation>Laufzeitfehler: %1<byte value="xd"/>
<byte value="xd"/>
Cartwise wird jetzt beendet.</translation>
    </message>
</context>
<context>
    <name>cw::HelpTopics</name>
    <message>
        <source>Cartwise is software to make your shopping experience more efficient. By using this product, you may save time, avoid forgetting items that you need to pick up, and budget your trips more accurately.</source>
        <translation>Cartwise ist eine Software, mit der Sie effizienter einkaufen. Mit diesem Produkt sparen Sie Zeit, vergessen keine Artikel mehr, die Sie besorgen müssen, und planen die Kosten Ihrer Einkäufe genauer.</translation>
    </message>
    <message>
        <source>A list of categories is located in the upper left portion of the main screen. When you click on a category, the source items of that category are listed in the upper right portion of the screen.</source>
        <translation>Oben links im Hauptfenster befindet sich eine Liste der Kategorien. Wenn Sie auf eine Kategorie klicken, werden die Artikel dieser Kategorie oben rechts im Fenster aufgeführt.</translation>
    </message>
    <message>
        <source>You can create as many categories as you need. A category can stand for a classification of items, such as dairy products or hardware, for a particular store, or for both. The list of categories is kept together with the command buttons of the categories frame in the upper left portion of the screen. Following is additional information on each command button:</source>
        <translation>Sie können so viele Kategorien anlegen, wie Sie benötigen. Eine Kategorie kann für eine Warengruppe stehen, etwa Milchprodukte oder Eisenwaren, für ein bestimmtes Geschäft oder für beides. Die Liste der Kategorien befindet sich zusammen mit den Schaltflächen des Bereichs „Kategorien“ oben links im Fenster. Im Folgenden finden Sie weitere Informationen zu jeder Schaltfläche:</translation>
    </message>
    <message>
        <source>New Cat</source>
        <translation>Neue Kat.</translation>
    </message>
    <message>
        <source>Click on the &apos;New Cat&apos; button to create a new category. You will be prompted for a category name. After you enter the new name, it will be displayed in the list.</source>
        <translation>Klicken Sie auf die Schaltfläche „Neue Kat.“, um eine neue Kategorie anzulegen. Sie werden nach einem Namen für die Kategorie gefragt. Nachdem Sie den neuen Namen eingegeben haben, wird er in der Liste angezeigt.</translation>
    </message>
    <message>
        <source>Edit Cat</source>
        <translation>Kat. ändern</translation>
    </message>
    <message>
        <source>To edit the spelling for a category, select the category in the list, then click this button. You will be prompted for the new name. After you enter it, the new name replaces the old one in the list. The items under the category are not affected.</source>
        <translation>Um die Schreibweise einer Kategorie zu ändern, wählen Sie die Kategorie in der Liste aus und klicken Sie dann auf diese Schaltfläche. Sie werden nach dem neuen Namen gefragt. Nachdem Sie ihn eingegeben haben, ersetzt der neue Name den alten in der Liste. Die Artikel der Kategorie bleiben davon unberührt.</translation>
    </message>
    <message>
        <source>Delete Cat</source>
        <translation>Kat. löschen</translation>
    </message>
    <message>
        <source>To delete a category, select the category in the list, then click this button. Be careful: deleting a category also deletes all items under it. The category then disappears from the list.</source>
        <translation>Um eine Kategorie zu löschen, wählen Sie die Kategorie in der Liste aus und klicken Sie dann auf diese Schaltfläche. Vorsicht: Beim Löschen einer Kategorie werden auch alle Artikel dieser Kategorie gelöscht. Die Kategorie verschwindet anschließend aus der Liste.</translation>
    </message>
    <message>
        <source>When you click on a category in the upper left portion of the screen, a list of items under that category are displayed in the listbox in the upper right portion of the screen.</source>
        <translation>Wenn Sie oben links im Fenster auf eine Kategorie klicken, werden die Artikel dieser Kategorie im Listenfeld oben rechts im Fenster angezeigt.</translation>
    </message>
    <message>
        <source>You can add as many items as you need under each category. These items serve as &apos;source items&apos; for your current list: a file of the things you typically shop for. From them you prepare your &apos;Current Shopping List&apos;, change the quantities you want and print the list.</source>
        <translation>Sie können jeder Kategorie so viele Artikel hinzufügen, wie Sie benötigen. Diese Artikel bilden den „Artikelstamm“ für Ihre aktuelle Liste: eine Datei mit den Dingen, die Sie üblicherweise einkaufen. Daraus stellen Sie Ihre „Aktuelle Einkaufsliste“ zusammen, ändern die gewünschten Mengen und drucken die Liste aus.</translation>
    </message>
    <message>
        <source>There are several command buttons contained within the frame in the upper right portion of the screen. Following is a brief description of each:</source>
        <translation>Im Bereich oben rechts im Fenster befinden sich mehrere Schaltflächen. Im Folgenden werden sie kurz beschrieben:</translation>
    </message>
    <message>
        <source>Create New Item</source>
        <translation>Neuer Art.</translation>
    </message>
    <message>
        <source>Click on this button to create a new item within the selected category. A details screen appears. Fill in the details of the item and click the save button; the new item then appears in the list.</source>
        <translation>Klicken Sie auf diese Schaltfläche, um in der ausgewählten Kategorie einen neuen Artikel anzulegen. Es erscheint ein Fenster für die Artikeldaten. Füllen Sie die Angaben zum Artikel aus und klicken Sie auf die Schaltfläche „Speichern“; der neue Artikel erscheint dann in der Liste.</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Art. ändern</translation>
    </message>
    <message>
        <source>To edit an item, select it in the list, then click this button. The details screen appears with the item&apos;s details. After you save your changes, the revised item appears in the list. If the item is on your &apos;Current Shopping List&apos;, the changes show there too.</source>
        <translation>Um einen Artikel zu ändern, wählen Sie ihn in der Liste aus und klicken Sie dann auf diese Schaltfläche. Es erscheint das Fenster mit den Daten des Artikels. Nachdem Sie Ihre Änderungen gespeichert haben, erscheint der geänderte Artikel in der Liste. Steht der Artikel auf Ihrer „Aktuellen Einkaufsliste“, werden die Änderungen auch dort angezeigt.</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Art. löschen</translation>
    </message>
    <message>
        <source>Use this option to delete the selected item.</source>
        <translation>Mit dieser Schaltfläche löschen Sie den ausgewählten Artikel.</translation>
    </message>
    <message>
        <source>Item to List</source>
        <translation>Art. in Liste</translation>
    </message>
    <message>
        <source>To add an item in the source list to your &apos;Current Shopping List&apos;, select the item then click this button. Double-clicking the item does the same. An item that is not yet on the list is added with its default quantity and price.</source>
        <translation>Um einen Artikel aus dem Artikelstamm auf Ihre „Aktuelle Einkaufsliste“ zu setzen, wählen Sie den Artikel aus und klicken Sie dann auf diese Schaltfläche. Ein Doppelklick auf den Artikel bewirkt dasselbe. Ein Artikel, der noch nicht auf der Liste steht, wird mit seiner Standardmenge und seinem Preis hinzugefügt.</translation>
    </message>
    <message>
        <source>All To List</source>
        <translation>Alle in Liste</translation>
    </message>
    <message>
        <source>To add all items in the selected category to your &apos;Current Shopping List&apos;, click on this button. Each item of the category that is not yet on the list is added with its default quantity and price.</source>
        <translation>Um alle Artikel der ausgewählten Kategorie auf Ihre „Aktuelle Einkaufsliste“ zu setzen, klicken Sie auf diese Schaltfläche. Jeder Artikel der Kategorie, der noch nicht auf der Liste steht, wird mit seiner Standardmenge und seinem Preis hinzugefügt.</translation>
    </message>
    <message>
        <source>Your &apos;Current Shopping List&apos; is located in the lower half of the screen. It is the list you are preparing for your next shopping trip, and you fill it from the source items in the upper right portion of the screen.</source>
        <translation>Ihre „Aktuelle Einkaufsliste“ befindet sich in der unteren Hälfte des Fensters. Es ist die Liste, die Sie für Ihren nächsten Einkauf vorbereiten; Sie füllen sie mit Artikeln aus dem Artikelstamm oben rechts im Fenster.</translation>
    </message>
    <message>
        <source>You can add as many items as you like to your &apos;Current Shopping List&apos;. To add an item, find it in the &apos;Available List&apos; and click &apos;Item to List&apos;, or double-click it. An item that is not yet on the list is added with its default quantity and price.</source>
        <translation>Sie können Ihrer „Aktuellen Einkaufsliste“ beliebig viele Artikel hinzufügen. Um einen Artikel hinzuzufügen, suchen Sie ihn in der Liste der verfügbaren Artikel und klicken Sie auf „Art. in Liste“, oder doppelklicken Sie auf den Artikel. Ein Artikel, der noch nicht auf der Liste steht, wird mit seiner Standardmenge und seinem Preis hinzugefügt.</translation>
    </message>
    <message>
        <source>As the &apos;Current Shopping List&apos; changes, it keeps track of the total estimated cost of the trip. The estimated cost figure is located below the &apos;Current Shopping List&apos; grid.</source>
        <translation>Bei jeder Änderung der „Aktuellen Einkaufsliste“ wird die laufende Summe der geschätzten Kosten des Einkaufs mitgeführt. Der Betrag der geschätzten Kosten steht unterhalb der Tabelle der „Aktuellen Einkaufsliste“.</translation>
    </message>
    <message>
        <source>There are several command buttons within the &apos;Current Shopping List&apos; frame. Following are brief comments on each.</source>
        <translation>Im Bereich „Aktuelle Einkaufsliste“ befinden sich mehrere Schaltflächen. Im Folgenden werden sie kurz erläutert.</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Artikel entfernen</translation>
    </message>
    <message>
        <source>To remove an item from your &apos;Current Shopping List&apos;, select it and click this button. Double-clicking an entry removes it too. Only the entry on the list is removed; the item itself stays in the source file.</source>
        <translation>Um einen Artikel von Ihrer „Aktuellen Einkaufsliste“ zu entfernen, wählen Sie ihn aus und klicken Sie auf diese Schaltfläche. Auch ein Doppelklick auf einen Eintrag entfernt ihn. Entfernt wird nur der Eintrag auf der Liste; der Artikel selbst bleibt im Artikelstamm erhalten.</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>To clear out your &apos;Current Shopping List&apos;, click this button. The list is emptied and the total is set to zero. The items in the source file are not affected.</source>
        <translation>Um Ihre „Aktuelle Einkaufsliste“ zu leeren, klicken Sie auf diese Schaltfläche. Die Liste wird geleert und die Summe auf null gesetzt. Die Artikel im Artikelstamm bleiben davon unberührt.</translation>
    </message>
    <message>
        <source>Sort List</source>
        <translation>Liste sortieren</translation>
    </message>
    <message>
        <source>To sort your &apos;Current Shopping List&apos; in different ways, click on this button and choose the sort option that best suits you. This sort option will remain in effect until you change it again. If you are going to sort by Isle #, it is suggested that you use 01, 02, 03 (two digits) for isle #&apos;s 1-9.</source>
        <translation>Um Ihre „Aktuelle Einkaufsliste“ auf unterschiedliche Weise zu sortieren, klicken Sie auf diese Schaltfläche und wählen Sie die Sortierung, die Ihnen am besten passt. Diese Sortierung bleibt bestehen, bis Sie sie wieder ändern. Wenn Sie nach Gangnummer sortieren möchten, empfiehlt es sich, für die Gänge 1 bis 9 zweistellige Nummern zu verwenden: 01, 02, 03 usw.</translation>
    </message>
    <message>
        <source>Quantity Buttons</source>
        <translation>Mengentasten</translation>
    </message>
    <message>
        <source>The quantity you want to purchase on the your current trip is not always the default quantity you entered for each item. Select an item on the list and click the quantity you want. This changes the quantity on the &apos;Current Shopping List&apos; only; the item&apos;s default quantity in the source file stays as it is.</source>
        <translation>Die Menge, die Sie bei Ihrem aktuellen Einkauf kaufen möchten, entspricht nicht immer der Standardmenge, die Sie für den jeweiligen Artikel eingegeben haben. Wählen Sie einen Artikel auf der Liste aus und klicken Sie auf die gewünschte Menge. Dadurch ändert sich nur die Menge auf der „Aktuellen Einkaufsliste“; die Standardmenge des Artikels im Artikelstamm bleibt unverändert.</translation>
    </message>
    <message>
        <source>This option tells you how to obtain technical support for this product. For technical support, please send an e-mail to %1 of %2 at %3. You can also call %4 from %5; please note that this call is not toll-free.</source>
        <translation>Hier erfahren Sie, wie Sie technischen Support für dieses Produkt erhalten. Für technischen Support schreiben Sie bitte eine E-Mail an %1 von %2 unter %3. Sie können auch unter %4 anrufen (%5); bitte beachten Sie, dass der Anruf nicht gebührenfrei ist.</translation>
    </message>
    <message>
        <source>From the &apos;FILE&apos; menu, the following options are available: </source>
        <translation>Im Menü „Datei“ stehen folgende Befehle zur Verfügung: </translation>
    </message>
    <message>
        <source>Print Current Shopping List</source>
        <translation>Aktuelle Einkaufsliste drucken</translation>
    </message>
    <message>
        <source>To print your &apos;Current Shopping List&apos;, choose this option and follow the prompts.</source>
        <translation>Um Ihre „Aktuelle Einkaufsliste“ zu drucken, wählen Sie diesen Befehl und folgen Sie den Anweisungen.</translation>
    </message>
    <message>
        <source>Export Current List to Text File</source>
        <translation>Aktuelle Liste in Textdatei exportieren</translation>
    </message>
    <message>
        <source>If you want to export the &apos;Current Shopping List&apos; to a text file, this is where you do it. Cartwise writes the list to a comma-delimited text file, which most popular database and spreadsheet programs can import.</source>
        <translation>Mit diesem Befehl exportieren Sie die „Aktuelle Einkaufsliste“ in eine Textdatei. Cartwise schreibt die Liste in eine kommagetrennte Textdatei, die sich in die meisten gängigen Datenbank- und Tabellenkalkulationsprogramme importieren lässt.</translation>
    </message>
    <message>
        <source>Refresh Current Shopping List</source>
        <translation>Aktuelle Einkaufsliste aktualisieren</translation>
    </message>
    <message>
        <source>Use this option to refresh the &apos;Current Shopping List&apos;. If the underlying data has changed since the list was built, for example when items were deleted or prices were changed, refreshing brings those changes into the list.</source>
        <translation>Mit diesem Befehl aktualisieren Sie die „Aktuelle Einkaufsliste“. Wenn sich die zugrunde liegenden Daten seit dem Erstellen der Liste geändert haben, etwa weil Artikel gelöscht oder Preise geändert wurden, übernimmt die Aktualisierung diese Änderungen in die Liste.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>This option terminates the program.</source>
        <translation>Dieser Befehl beendet das Programm.</translation>
    </message>
    <message>
        <source>From the &apos;HELP&apos; menu, the following options are available: </source>
        <translation>Im Menü „Hilfe“ stehen folgende Befehle zur Verfügung: </translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen zu Cartwise</translation>
    </message>
    <message>
        <source>Displays the screen you are now viewing.</source>
        <translation>Zeigt das Fenster an, das Sie gerade lesen.</translation>
    </message>
    <message>
        <source>About Cartwise</source>
        <translation>Über Cartwise</translation>
    </message>
    <message>
        <source>Open an &apos;About&apos; dialog box with some general information about the product.</source>
        <translation>Öffnet das Dialogfeld „Über Cartwise“ mit allgemeinen Informationen zum Produkt.</translation>
    </message>
    <message>
        <source>Importing Data from Version 5.x</source>
        <translation>Daten aus Version 5.x importieren</translation>
    </message>
    <message>
        <source>If you have a previous Version 5.0, 5.1 or 5.2, you can import the data from that program directly into the new version. Follow the directions at the menu.</source>
        <translation>Wenn Sie eine frühere Version 5.0, 5.1 oder 5.2 besitzen, können Sie die Daten aus diesem Programm direkt in die neue Version importieren. Folgen Sie den Anweisungen, die der Menübefehl anzeigt.</translation>
    </message>
    <message>
        <source>How to Delete All Data</source>
        <translation>Alle Daten löschen</translation>
    </message>
    <message>
        <source>If you want to completely remove all your data including categories and all source items and start from scratch, this is the option you choose. The program asks you to confirm your choice. It then removes all your data permanently and ends; when you start it again, the files are empty. This is useful for clearing out &apos;test data&apos; before you start with your real data.</source>
        <translation>Wenn Sie alle Ihre Daten einschließlich der Kategorien und aller Artikel vollständig entfernen und ganz von vorn beginnen möchten, wählen Sie diesen Befehl. Das Programm bittet Sie, Ihre Wahl zu bestätigen. Anschließend entfernt es alle Ihre Daten endgültig und wird beendet; beim nächsten Start sind die Dateien leer. Das ist nützlich, um „Testdaten“ zu entfernen, bevor Sie mit Ihren echten Daten beginnen.</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Items in Selected Category</source>
        <translation>Artikel in gewählter Kategorie</translation>
    </message>
    <message>
        <source>Current Shopping List</source>
        <translation>Aktuelle Einkaufsliste</translation>
    </message>
    <message>
        <source>Menu Options</source>
        <translation>Menübefehle</translation>
    </message>
</context>
<context>
    <name>cw::HelpWindow</name>
    <message>
        <source> Cartwise Help Topics</source>
        <translation> Cartwise-Hilfethemen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on topic above to view related help detail.</source>
        <translation>Klicken Sie oben auf ein Thema, um die zugehörige Hilfe anzuzeigen.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>cw::ImportCommand</name>
    <message>
        <source>Could not make a folder in %1: %2</source>
        <translation>In %1 konnte kein Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>If you have an earlier version of Cartwise (Ver 5.0, 5.1 or 5.2), you can import that data into Version 6.<byte value="xd"/>
<byte value="xd"/>
This is what you have to do first. Find the following files in your old version working directory and copy them to the new version directory which is: %1. The file names are: &apos;cat.dat&apos; and &apos;src.dat&apos;<byte value="xd"/>
<byte value="xd"/>
Then return to this option and direct the program to import the data. After the conversion, you may delete &apos;cat.dat&apos; and &apos;src.dat&apos;. WARNING! All current data in Version 6.0 will be replaced.<byte value="xd"/>
<byte value="xd"/>
Import data now ?</source>
        <translation>Wenn Sie eine frühere Version von Cartwise besitzen (Version 5.0, 5.1 oder 5.2), können Sie deren Daten in Version 6 importieren.<byte value="xd"/>
<byte value="xd"/>
Dazu ist zuerst Folgendes zu tun: Suchen Sie die folgenden Dateien im Arbeitsverzeichnis Ihrer alten Version und kopieren Sie sie in das Verzeichnis der neuen Version, nämlich: %1. Die Dateinamen lauten: „cat.dat“ und „src.dat“<byte value="xd"/>
<byte value="xd"/>
Rufen Sie danach wieder diesen Befehl auf und lassen Sie das Programm die Daten importieren. Nach der Umwandlung können Sie „cat.dat“ und „src.dat“ löschen. ACHTUNG! Alle aktuellen Daten in Version 6.0 werden ersetzt.<byte value="xd"/>
<byte value="xd"/>
Daten jetzt importieren?</translation>
    </message>
    <message>
        <source>1 item of src.dat was not imported because its category is missing from cat.dat or could not be imported.</source>
        <translation>1 Artikel aus src.dat wurde nicht importiert, weil seine Kategorie in cat.dat fehlt oder nicht importiert werden konnte.</translation>
    </message>
    <message>
        <source>%1 items of src.dat were not imported because their category is missing from cat.dat or could not be imported.</source>
        <translation>%1 Artikel aus src.dat wurden nicht importiert, weil ihre Kategorie in cat.dat fehlt oder nicht importiert werden konnte.</translation>
    </message>
    <message>
        <source>Category %1 of cat.dat was not added</source>
        <translation>Kategorie Nr. %1 aus cat.dat wurde nicht hinzugefügt</translation>
    </message>
    <message>
        <source>Item %1 of src.dat was not added</source>
        <translation>Artikel Nr. %1 aus src.dat wurde nicht hinzugefügt</translation>
    </message>
    <message>
        <source>Import Data Now ?</source>
        <translation>Daten jetzt importieren?</translation>
    </message>
    <message>
        <source>The %1 file could not be located in the current working directory.</source>
        <translation>Die Datei %1 wurde im aktuellen Arbeitsverzeichnis nicht gefunden.</translation>
    </message>
    <message>
        <source>The conversion has taken place. The program will now terminate</source>
        <translation>Die Umwandlung ist abgeschlossen. Das Programm wird jetzt beendet</translation>
    </message>
</context>
<context>
    <name>cw::ItemEditor</name>
    <message>
        <source> Item Desc</source>
        <translation> Bezeichnung</translation>
    </message>
    <message>
        <source> Size</source>
        <translation> Größe</translation>
    </message>
    <message>
        <source> Isle # or Desc</source>
        <translation> Gang-Nr./Bez.</translation>
    </message>
    <message>
        <source> Quantity</source>
        <translation> Menge</translation>
    </message>
    <message>
        <source> Unit Cost</source>
        <translation> Stückpreis</translation>
    </message>
    <message>
        <source> Source Item</source>
        <translation> Artikel</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Convert Text to Proper Case</source>
        <translation>Wortanfänge großschreiben</translation>
    </message>
    <message>
        <source>Convert Text to Upper Case</source>
        <translation>Text in Großbuchstaben umwandeln</translation>
    </message>
    <message>
        <source>Leave Text as Typed</source>
        <translation>Text wie eingegeben lassen</translation>
    </message>
    <message>
        <source>New Item</source>
        <translation>Neuer Art.</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Art. ändern</translation>
    </message>
    <message>
        <source>Can&apos;t save item with blank description</source>
        <translation>Ein Artikel ohne Bezeichnung kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>New record was not saved</source>
        <translation>Der neue Datensatz wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Error! Record was not saved</source>
        <translation>Fehler! Der Datensatz wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Record saved</source>
        <translation>Datensatz gespeichert</translation>
    </message>
    <message>
        <source>Only numbers and decimals are accepted</source>
        <translation>Nur Zahlen und Dezimalzahlen sind zulässig</translation>
    </message>
</context>
<context>
    <name>cw::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Print Current Shopping List</source>
        <translation>Aktuelle Einkaufsliste drucken</translation>
    </message>
    <message>
        <source>Export Current List to Text File</source>
        <translation>Aktuelle Liste in Textdatei exportieren</translation>
    </message>
    <message>
        <source>Refresh Current Shopping List</source>
        <translation>Aktuelle Einkaufsliste aktualisieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Show List on &amp;Phone...</source>
        <translation>Liste auf dem &amp;Smartphone anzeigen...</translation>
    </message>
    <message>
        <source>Save List as &amp;Checklist...</source>
        <translation>Liste als &amp;Checkliste speichern...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find Item...</source>
        <translation>Artikel &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help Topics for Cartwise</source>
        <translation>Hilfethemen zu Cartwise</translation>
    </message>
    <message>
        <source>About Cartwise</source>
        <translation>Über Cartwise</translation>
    </message>
    <message>
        <source>Importing Data from Version 5.X</source>
        <translation>Daten aus Version 5.X importieren</translation>
    </message>
    <message>
        <source>How to Delete All Data</source>
        <translation>Alle Daten löschen</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Must select category first</source>
        <translation>Bitte wählen Sie zuerst eine Kategorie aus</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Kategorie: %1</translation>
    </message>
    <message>
        <source>Must select item first</source>
        <translation>Bitte wählen Sie zuerst einen Artikel aus</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>This change cannot be undone: the data files were changed outside Cartwise since it was made. The changes that could be undone have been forgotten.</source>
        <translation>Diese Änderung kann nicht rückgängig gemacht werden: Die Datendateien wurden seitdem außerhalb von Cartwise geändert. Die Änderungen, die sich rückgängig machen ließen, wurden verworfen.</translation>
    </message>
    <message>
        <source>This change cannot be done again: the data files were changed outside Cartwise since it was undone. The changes that could be undone have been forgotten.</source>
        <translation>Diese Änderung kann nicht wiederhergestellt werden: Die Datendateien wurden außerhalb von Cartwise geändert, seit sie rückgängig gemacht wurde. Die Änderungen, die sich rückgängig machen ließen, wurden verworfen.</translation>
    </message>
</context>
<context>
    <name>cw::PhoneListDialog</name>
    <message>
        <source>Show List on Phone</source>
        <translation>Liste auf dem Smartphone anzeigen</translation>
    </message>
    <message>
        <source>Point your phone&apos;s camera at the code: it reads the list as text. Nothing leaves this computer except through the screen.</source>
        <translation>Richten Sie die Kamera Ihres Smartphones auf den Code: Die Kamera liest die Liste als Text. Nichts verlässt diesen Computer, außer über den Bildschirm.</translation>
    </message>
    <message>
        <source>QR code of the shopping list</source>
        <translation>QR-Code der Einkaufsliste</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>cw::PrintOptionsDialog</name>
    <message>
        <source> Print Defaults</source>
        <translation> Druckeinstellungen</translation>
    </message>
    <message>
        <source> Max Lines Per Page</source>
        <translation> Max. Zeilen pro Seite</translation>
    </message>
    <message>
        <source> Printer Font Size</source>
        <translation> Druckerschriftgröße</translation>
    </message>
    <message>
        <source>Printer Font Size %1</source>
        <translation>Druckerschriftgröße %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Max Lines Per Page must be a number from -32768 to 32767</source>
        <translation>„Max. Zeilen pro Seite“ muss eine Zahl von -32.768 bis 32.767 sein</translation>
    </message>
    <message>
        <source>No printer is available</source>
        <translation>Es ist kein Drucker verfügbar</translation>
    </message>
</context>
<context>
    <name>cw::QtLauncher</name>
    <message>
        <source>No program to start</source>
        <translation>Kein Programm zum Starten angegeben</translation>
    </message>
    <message>
        <source>Cannot start %1</source>
        <translation>%1 kann nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>cw::QtLinePrinter</name>
    <message>
        <source>Invalid font size %1</source>
        <translation>Ungültige Schriftgröße %1</translation>
    </message>
    <message>
        <source>The printout could not be finished on %1</source>
        <translation>Der Ausdruck konnte nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <source>The printout could not be started on %1</source>
        <translation>Der Ausdruck konnte nicht begonnen werden: %1</translation>
    </message>
    <message>
        <source>No new page could be started on %1</source>
        <translation>Es konnte keine neue Seite begonnen werden: %1</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>Standarddrucker</translation>
    </message>
    <message>
        <source>the printer %1</source>
        <translation>Drucker %1</translation>
    </message>
</context>
<context>
    <name>cw::QtSettings</name>
    <message>
        <source>Could not write the settings file %1</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>cw::QuantityKeypad</name>
    <message>
        <source>Ask for a quantity</source>
        <translation>Menge abfragen</translation>
    </message>
</context>
<context>
    <name>cw::ShoppingList</name>
    <message>
        <source>Sorted by Item</source>
        <translation>Sortierung: Artikel</translation>
    </message>
    <message>
        <source>Sorted by Isle</source>
        <translation>Sortierung: Gang</translation>
    </message>
    <message>
        <source>Sorted by Category</source>
        <translation>Sortierung: Kategorie</translation>
    </message>
    <message>
        <source>Change Quantity</source>
        <translation>Menge ändern</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>Menge eingeben</translation>
    </message>
    <message>
        <source>Quantities above 32768 not supported in this function</source>
        <translation>Mengen über 32.768 werden von dieser Funktion nicht unterstützt</translation>
    </message>
    <message>
        <source>Quantities below -32768 not supported in this function</source>
        <translation>Mengen unter -32.768 werden von dieser Funktion nicht unterstützt</translation>
    </message>
    <message>
        <source>Quantities of more than 10 characters not supported in this function</source>
        <translation>Mengen mit mehr als 10 Zeichen werden von dieser Funktion nicht unterstützt</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Artikel entfernen</translation>
    </message>
    <message>
        <source>No entry selected in current shopping list</source>
        <translation>Kein Eintrag in der aktuellen Einkaufsliste ausgewählt</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Clear current shopping list. Are you sure ?</source>
        <translation>Die aktuelle Einkaufsliste wird geleert. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Clear Current Shopping List</source>
        <translation>Aktuelle Einkaufsliste leeren</translation>
    </message>
</context>
<context>
    <name>cw::ShoppingListModel</name>
    <message>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <source> Isle </source>
        <translation> Gang </translation>
    </message>
    <message>
        <source>Item  </source>
        <translation>Artikel  </translation>
    </message>
    <message>
        <source>Size </source>
        <translation>Größe </translation>
    </message>
    <message>
        <source>Category </source>
        <translation>Kategorie </translation>
    </message>
    <message>
        <source>Qty </source>
        <translation>Anz. </translation>
    </message>
    <message>
        <source>Total  </source>
        <translation>Summe  </translation>
    </message>
</context>
<context>
    <name>cw::ShoppingListPanel</name>
    <message>
        <source>Current Shopping List</source>
        <translation>Aktuelle Einkaufsliste</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Artikel entfernen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Sort List</source>
        <translation>Liste sortieren</translation>
    </message>
    <message>
        <source>Running Total $</source>
        <translation>Lfd. Summe $</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>By Category</source>
        <translation>Nach Kategorie</translation>
    </message>
    <message>
        <source>By Item Description</source>
        <translation>Nach Artikelbezeichnung</translation>
    </message>
    <message>
        <source>By Isle #</source>
        <translation>Nach Gang-Nr.</translation>
    </message>
</context>
<context>
    <name>cw::ShoppingListPrintout</name>
    <message>
        <source>Total Estimated Cost </source>
        <translation>Geschätzte Gesamtkosten </translation>
    </message>
</context>
<context>
    <name>cw::SystemInformation</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>cw::support</name>
    <message>
        <source>7:00 PM to 9:00 PM Eastern Time, Monday through Friday</source>
        <translation>montags bis freitags von 19:00 bis 21:00 Uhr US-Ostküstenzeit</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cartwise is already running.</source>
        <translation>Cartwise wird bereits ausgeführt.</translation>
    </message>
</context>
</TS>
