object TiOPCExplorerForm
  Caption = 'Quorin OPC Explorer'
  Width = 256
  Height = 319
  Constraints.MinWidth = 250
  Constraints.MinHeight = 300
  BorderIcons = [biSystemMenu]
  FormStyle = fsStayOnTop
  Position = poScreenCenter
  object TreeView: TTreeView
    Align = alClient
    SortType = stText
    Images = ImageList
  end
  object ImageList: TImageList
  end
end
